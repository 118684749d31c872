#include "ControlTexts.h"
#include "MessageTable.h"

#include <QtTest>

using lang::ControlText;

namespace {

// English, German, French, Czech
using Four = QStringList;

} // namespace

class TestControlTexts : public QObject
{
    Q_OBJECT

private slots:
    void captions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Four>("expected");

        QTest::newRow("window") << "FormHlav"
                                << Four{"Programming of ZEVRA-S2 unit",
                                        "Programmierung der ZEVRA-S2 Zündbox",
                                        "Programation de ZEVRA-S2 unité",
                                        "Programování jednotky ZEVRA-S2"};
        QTest::newRow("no connection") << "LabelSpojeni"
                                       << Four{"No connection with PC", "Keine Verbindung zum PC",
                                               "Pas de connection acec pc", "Není spojení s PC"};
        QTest::newRow("file menu") << "MenuFile" << Four{"&File", "&Datei", "&Fichier", "&Soubor"};
        QTest::newRow("file label is the menu caption and a colon")
            << "LabelFile1" << Four{"&File:", "&Datei:", "&Fichier:", "&Soubor:"};
        QTest::newRow("save") << "MenuSave" << Four{"&Save", "&Speichern", "&Mèmoriser", "&Uložit"};
        QTest::newRow("exit") << "MenuExit" << Four{"E&xit", "&Beenden", "&Sortir", "&Konec"};
        QTest::newRow("com menu") << "MenuCom"
                                  << Four{"&Com", "&COM-Anschluß", "&Connection com", "&Port"};
        QTest::newRow("device menu")
            << "MenuDevice" << Four{"&Ignition", "&Zündung", "&Allumage", "&Zapalování"};
        QTest::newRow("read item") << "MenuRead" << Four{"&Read", "&Lesen", "&Lire", "&Čtení"};
        QTest::newRow("read button") << "ButtonRead" << Four{"&Read", "&Lesen", "&Lire", "&Čtení"};
        QTest::newRow("verify button")
            << "ButtonVerify" << Four{"&Verify", "&Vergleichen", "&Vérifier", "&Verifikace"};
        QTest::newRow("program item")
            << "MenuProgram"
            << Four{"&Programing", "&Programmieren", "&Programmer", "&Programování"};
        QTest::newRow("tools") << "MenuTools"
                               << Four{"&Tools", "&Werkzeuge", "&Outillage", "P&omůcky"};
        QTest::newRow("advance minus")
            << "MenuAdvanceMinus" << Four{"Advance -", "Vorzündung -", "Avance -", "Předstih -"};
        QTest::newRow("advance plus")
            << "MenuAdvancePlus" << Four{"Advance +", "Vorzündung +", "Avance +", "Předstih +"};
        QTest::newRow("French item")
            << "MenuFrench" << Four{"&French", "&Französisch", "&Francais", "Francouzky"};
        QTest::newRow("Czech item")
            << "MenuCzech" << Four{"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"};
        QTest::newRow("help") << "MenuHelp" << Four{"&Help", "&Hilfe", "&Aide", "Nápověda"};
        QTest::newRow("contents") << "MenuContens"
                                  << Four{"&Contents...", "&Inhalt...", "&Contenu", "Obsah"};
        QTest::newRow("about") << "MenuAbout"
                               << Four{"&About...", "&Über Programm...", "&Contenu du programme",
                                       "&O programu..."};
        QTest::newRow("program after change")
            << "CheckBoxProgHned"
            << Four{"Programming after change", "Programmierung nach Änderung",
                    "Sovegarde après modification", "Programování po změně"};
        QTest::newRow("no reading")
            << "CheckBoxZakazCteni"
            << Four{"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"};
        QTest::newRow("advance head right")
            << "LabelAdvance2"
            << Four{"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"};
        QTest::newRow("retard label") << "LabelRetard"
                                      << Four{"Retard [°]", "Spätzündung [°]",
                                              "Retard d´allumage[°]", "Snížení předstihu [°]"};
        QTest::newRow("shift light label")
            << "LabelLedRazeni"
            << Four{"Gear shift light [rpm]", "Schaltblitz [rpm]",
                    "Témoin de changement de rapport [rpm]", "Kontrolka řazení [rpm]"};
        QTest::newRow("reverse output stays English in French")
            << "CheckBoxRevOutLedRazeni"
            << Four{"Reverse otput polarity", "Umgekehrte Ausgangpolarität",
                    "Reverse otput polarity", "Opačná polarita výstupu"};
        QTest::newRow("polarity group")
            << "RadioGroupPolarita"
            << Four{"Polarity of CPS:", "Polarität des CPS:", "Polarité CPS", "Polarita CPS:"};
        QTest::newRow("input group 1")
            << "RadioGroupInput1" << Four{"Input 1", "Eingang 1", "Entrée 1", "Vstup 1"};
        QTest::newRow("input group 2")
            << "RadioGroupInput2" << Four{"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"};
        QTest::newRow("tachometer stays English in French")
            << "GroupBoxRpm"
            << Four{"Tachometer output", "Drehzählerausgang", "Tachometer output",
                    "Výstup pro otáčkoměr"};
        QTest::newRow("pulses") << "LabelRpmPulsu"
                                << Four{"Pulses per revolution", "Pulse pro Umdrehung",
                                        "Pulses per revolution", "Počet pulsů za otáčku"};
        QTest::newRow("correction")
            << "LabelRpmKorekce"
            << Four{"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"};
        QTest::newRow("input monitor")
            << "GroupBoxMonInput"
            << Four{"Input to ground", "Eingang zu Erde", "Entrée de terre", "Vstup uzeměn"};
        QTest::newRow("undo") << "MenuZpet" << Four{"Undo", "Zurück", "Undo", "Zpět"};
        QTest::newRow("redo") << "MenuZnovu" << Four{"Redo", "Wieder", "Redo", "Znovu"};
    }

    void captions()
    {
        QFETCH(QString, control);
        QFETCH(Four, expected);
        for (quint8 language = 0; language < 4; ++language)
            QCOMPARE(lang::ControlTexts(language).caption(control), expected.at(language));
    }

    // Alt and a letter opens the Tools menu in every language, and no other
    // menu of the bar shares its letter.
    void toolsMenuKeyIsItsOwn_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < 4; ++language)
            QTest::addRow("language %d", language) << language;
    }

    void toolsMenuKeyIsItsOwn()
    {
        QFETCH(int, language);
        const lang::ControlTexts texts{quint8(language)};
        const auto key = [&texts](const char *menu) {
            const QString caption = texts.caption(QLatin1String(menu));
            const qsizetype at = caption.indexOf(QLatin1Char('&'));
            return at < 0 || at + 1 >= caption.size() ? QChar() : caption.at(at + 1).toLower();
        };
        const QChar tools = key("MenuTools");
        QVERIFY(!tools.isNull());
        for (const char *menu : {"MenuFile", "MenuCom", "MenuDevice", "MenuLanguage", "MenuHelp"})
            QVERIFY2(key(menu) != tools, menu);
    }

    void hints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Four>("expected");

        const Four rpm{"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute",
                       "Tours minute", "Otáčky za minutu|Rychlost - Otáčky za minutu"};
        QTest::newRow("speed head left") << "LabelRpm1" << rpm;
        QTest::newRow("speed head right") << "LabelRpm2" << rpm;
        QTest::newRow("unit version")
            << "LabelVerze1"
            << Four{"Version of program in ignition", "Programmverion der Zündung",
                    "Variantes de courbe d´avance", "Verze programu v zapalování"};
        QTest::newRow("unit time")
            << "LabelVerze3"
            << Four{"Time of program in ignition", "Programmierzeitpunkt der Zündung",
                    "Temp de programation de la courbe d´avance",
                    "Čas zhotovení programu v zapalování"};
        const Four newHint{"Set default parametrs", "neue Kenndatendatei erstellen",
                           "Reprogramation des paramètres initial Dórigine",
                           "Nastavení výchozích parametrů"};
        QTest::newRow("new button") << "SpeedButton6" << newHint;
        QTest::newRow("new item") << "MenuNew" << newHint;
        QTest::newRow("print item") << "MenuPrint"
                                    << Four{"Print parametrs", "Kenndaten Drucken",
                                            "Imprimer paramètres", "Tisk parametrů"};
        QTest::newRow("program keeps two blanks")
            << "ButtonProgram"
            << Four{"Programing  set parametrs to ignition",
                    "Kenndaten in die Zündung programmieren", "Programer les paramètres dans ECU",
                    "Programování nastavených parametrů do zapalování"};
        QTest::newRow("verify item")
            << "MenuVerify"
            << Four{"Compare set parametrs  with parametrs of ignition",
                    "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
                    "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
                    "zapalování"};
        QTest::newRow("advance plus button")
            << "BitBtnAdvPlus"
            << Four{"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
                    "Avance accroître l´avance a l´allumage de 1 degré",
                    "Zvětšení předstihu o 1 stupeň"};
        QTest::newRow("read button")
            << "ButtonRead"
            << Four{"Reading parametrs from ignition", "Kenndaten aus Zündung lesen",
                    "Lire paramètres ECU", "Čtení parametrů ze zapalování"};
        QTest::newRow("language menu keeps trailing blanks")
            << "MenuLanguage"
            << Four{"Set English or German or French or Czech ",
                    "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
                    "installer lange; Englais,Allemand , Francais ou Czech",
                    "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "};
        QTest::newRow("program at once")
            << "CheckBoxProgHned"
            << Four{"Programing at once after change", "Programmmieren sofort nach dem änderung",
                    "Programation instantanée des modifications", "Programování ihned po změně"};
        QTest::newRow("com menu") << "MenuCom"
                                  << Four{"Set number of com", "Com-Anschluß festlegen",
                                          "installer nombre de com",
                                          "Nastavení čísla serivého portu (Com) "};
        QTest::newRow("com 1") << "MenuCom1"
                               << Four{"Set com 1", "Com-Anschluß auswahl 1", "installer com 1",
                                       "Nastavení komunikace na port com 1"};
        QTest::newRow("com 10") << "MenuCom10"
                                << Four{"Set com 10", "Com-Anschluß auswahl 10", "installer com 10",
                                        "Nastavení komunikace na port com 10"};
        const Four english(4, "Set English menu");
        QTest::newRow("English item is fixed") << "MenuEnglish" << english;
        QTest::newRow("French item is fixed") << "MenuFrench" << Four(4, "Installer en Francais ");
        QTest::newRow("Czech item is fixed") << "MenuCzech" << Four(4, "Nastavit české menu");
        QTest::newRow("bike kind keeps its design hint") << "ComboBoxBike" << Four(4, QString());
        QTest::newRow("undo button has none") << "SpeedButtonZpet" << Four(4, QString());
    }

    void hints()
    {
        QFETCH(QString, control);
        QFETCH(Four, expected);
        for (quint8 language = 0; language < 4; ++language) {
            const QString hint = lang::ControlTexts(language).hint(control);
            QCOMPARE(hint, expected.at(language));
            QCOMPARE(hint.isNull(), expected.at(language).isNull());
        }
    }

    void items_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");

        const QStringList englishKinds{"1 ignition per revolution", "2 ignitions per revolution",
                                       "3 ignitions per revolution",
                                       "1 ignition per 2 revolutions (camshaft)"};
        QTest::newRow("kinds English") << "ComboBoxPocPalcu" << 0 << englishKinds;
        QTest::newRow("kinds German")
            << "ComboBoxPocPalcu" << 1
            << QStringList{"1 Zündung pro Umdrehung", "2 Zündungen pro Umdrehung",
                           "3 Zündungen pro Umdrehung",
                           "1 Zündung pro 2 Umdrehungen (Nockenwelle)"};
        QTest::newRow("kinds stay English in French") << "ComboBoxPocPalcu" << 2 << englishKinds;
        QTest::newRow("kinds Czech")
            << "ComboBoxPocPalcu" << 3
            << QStringList{"1 zápal za otáčku", "2 zápaly za otáčku", "3 zápaly za otáčku",
                           "1 zápal za 2 otáčky (vačkový hřídel)"};
        QTest::newRow("polarity English")
            << "RadioGroupPolarita" << 0 << QStringList{"Positive", "Negative", "Selfsearch"};
        QTest::newRow("polarity German")
            << "RadioGroupPolarita" << 1 << QStringList{"Positiv", "Negativ", "Automatisch"};
        QTest::newRow("polarity French")
            << "RadioGroupPolarita" << 2 << QStringList{"Positif", "Négatif", "Automatique"};
        QTest::newRow("polarity Czech")
            << "RadioGroupPolarita" << 3 << QStringList{"Kladná", "Záporná", "Samohledání"};
        QTest::newRow("input 1 English")
            << "RadioGroupInput1" << 0
            << QStringList{"Off", "Kill switch", "Clutch master", "Retard", "Start Limiter"};
        QTest::newRow("input 1 German")
            << "RadioGroupInput1" << 1
            << QStringList{"Aus", "Not Aus", "Schaltautomat", "Spätzündung", "Startbegrenzer"};
        QTest::newRow("input 1 French")
            << "RadioGroupInput1" << 2
            << QStringList{"Off", "Interrupteur de sécurité", "par embeillage",
                           "Retard à l´allumage", "Limitateur départ"};
        QTest::newRow("input 1 Czech") << "RadioGroupInput1" << 3
                                       << QStringList{"Vypnut", "Kill switch", "Clutch master",
                                                      "Snížení předstihu", "Startovací omezovač"};
        QTest::newRow("input 2 English")
            << "RadioGroupInput2" << 0
            << QStringList{"Off", "Blocking", "Clutch master", "Retard", "Start Limiter"};
        QTest::newRow("input 2 German")
            << "RadioGroupInput2" << 1
            << QStringList{"Aus", "Blockierung", "Schaltautomat", "Spätzündung", "Startbegrenzer"};
        QTest::newRow("input 2 French") << "RadioGroupInput2" << 2
                                        << QStringList{"Off", "Blocage", "par embeillage",
                                                       "Retard à l´allumage", "Limitateur départ"};
        QTest::newRow("input 2 Czech") << "RadioGroupInput2" << 3
                                       << QStringList{"Vypnut", "Blokování", "Clutch master",
                                                      "Snížení předstihu", "Startovací omezovač"};
        QTest::newRow("bike models are not translated") << "ComboBoxBike" << 1 << QStringList();
    }

    void items()
    {
        QFETCH(QString, control);
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        QCOMPARE(lang::ControlTexts(quint8(language)).items(control), expected);
    }

    void checkMarkFollowsLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("checkedItem");
        QTest::newRow("English") << 0 << "MenuEnglish";
        QTest::newRow("German") << 1 << "MenuGerman";
        QTest::newRow("French") << 2 << "MenuFrench";
        QTest::newRow("Czech") << 3 << "MenuCzech";
        QTest::newRow("unknown index is English") << 9 << "MenuEnglish";
    }

    void checkMarkFollowsLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, checkedItem);
        const lang::ControlTexts texts{quint8(language)};
        QStringList checks, checked;
        for (const ControlText &entry : texts.texts()) {
            if (entry.role != ControlText::Check)
                continue;
            checks << entry.objectName;
            if (entry.checked)
                checked << entry.objectName;
        }
        QCOMPARE(checks, (QStringList{"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"}));
        QCOMPARE(checked, QStringList{checkedItem});
    }

    void applyOrder()
    {
        const lang::ControlTexts german(lang::German);
        const QList<ControlText> &texts = german.texts();
        QVERIFY(texts.size() > 8);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(texts.at(i).role, ControlText::Check);
        QCOMPARE(texts.at(4).objectName, QStringLiteral("FormHlav"));
        QCOMPARE(texts.at(texts.size() - 2).objectName, QStringLiteral("MenuZpet"));
        QCOMPARE(texts.last().objectName, QStringLiteral("MenuZnovu"));

        // Captions, then items, then hints; the undo and redo captions close the pass.
        int lastRole = ControlText::Check;
        for (int i = 4; i < texts.size() - 2; ++i) {
            QVERIFY2(texts.at(i).role >= lastRole, qPrintable(texts.at(i).objectName));
            lastRole = texts.at(i).role;
        }
        QCOMPARE(lastRole, int(ControlText::Hint));
    }

    void splitHint_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::newRow("short and long") << "Round per Minute|Speed - Round per Minute"
                                        << "Round per Minute"
                                        << "Speed - Round per Minute";
        QTest::newRow("no bar goes to both") << "Umdrehungen pro Minute"
                                             << "Umdrehungen pro Minute"
                                             << "Umdrehungen pro Minute";
        QTest::newRow("long only") << "|Set Englich menu"
                                   << ""
                                   << "Set Englich menu";
        QTest::newRow("short only") << "Com2|"
                                    << "Com2"
                                    << "";
        QTest::newRow("first bar splits") << "a|b|c"
                                          << "a"
                                          << "b|c";
        QTest::newRow("blanks kept") << "Com| Set com 2"
                                     << "Com"
                                     << " Set com 2";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void splitHint()
    {
        QFETCH(QString, hint);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        const lang::HintParts parts = lang::splitHint(hint);
        QCOMPARE(parts.tip, tip);
        QCOMPARE(parts.status, status);
    }

    void withoutAccessKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("leading") << "&Datei:"
                                 << "Datei:";
        QTest::newRow("inner") << "Če&sky"
                               << "Česky";
        QTest::newRow("none") << "Nápověda"
                              << "Nápověda";
        QTest::newRow("doubled shows one") << "A&&B"
                                           << "A&B";
        QTest::newRow("trailing") << "End&"
                                  << "End";
    }

    void withoutAccessKeys()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(lang::withoutAccessKeys(caption), shown);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestControlTexts)
#include "tst_controltexts.moc"
