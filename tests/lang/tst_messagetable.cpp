#include "MessageTable.h"
#include "MonitorPlaceholders.h"
#include "PortTexts.h"
#include "ToolTexts.h"

#include <QtTest>

using lang::Msg;

Q_DECLARE_METATYPE(lang::Msg)

namespace {

QString placeholderOf(const lang::MessageTable &messages, const char *label)
{
    for (const lang::MonitorPlaceholder &placeholder : lang::kMonitorPlaceholders) {
        if (qstrcmp(placeholder.label, label) == 0)
            return lang::placeholderText(messages, placeholder);
    }
    return QString();
}

} // namespace

class TestMessageTable : public QObject
{
    Q_OBJECT

private slots:
    // Counts take the language's plural form: Czech has one for two to four.
    void rowCounts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("en 1") << 0 << 1 << "1 row";
        QTest::newRow("en 0") << 0 << 0 << "0 rows";
        QTest::newRow("de 1") << 1 << 1 << "1 Zeile";
        QTest::newRow("fr 0") << 2 << 0 << "0 ligne";
        QTest::newRow("fr 2") << 2 << 2 << "2 lignes";
        QTest::newRow("cz 1") << 3 << 1 << "1 řádek";
        QTest::newRow("cz 4") << 3 << 4 << "4 řádky";
        QTest::newRow("cz 5") << 3 << 5 << "5 řádků";
        QTest::newRow("cz 12") << 3 << 12 << "12 řádků";
    }

    void rowCounts()
    {
        QFETCH(int, language);
        QFETCH(int, rows);
        QFETCH(QString, text);
        QCOMPARE(lang::rowCount(quint8(language), rows), text);
    }

    void everyLanguage_data()
    {
        QTest::addColumn<Msg>("msg");
        QTest::addColumn<QStringList>("expected"); // English, German, French, Czech

        QTest::newRow("help file") << Msg::HelpFile
                                   << QStringList{"manual_zevras_en.pdf", "manual_zevras_de.pdf",
                                                  "manual_zevras_fr.pdf", "manual_zevras_cz.pdf"};
        QTest::newRow("program error")
            << Msg::ProgramError
            << QStringList{"Program error!", "Programmierfehler!", "Erreur de programmation!",
                           "Chyba programování"};
        QTest::newRow("verify error") << Msg::VerifyError
                                      << QStringList{"Verify error!", "Vergleichsfehler",
                                                     "Verifier erreur!", "Chyba verifikace!"};
        QTest::newRow("read error")
            << Msg::ReadError
            << QStringList{"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"};
        QTest::newRow("programing")
            << Msg::Programing
            << QStringList{"Programing", "Programmieren", "Programmer", "Programování"};
        QTest::newRow("verify") << Msg::Verify
                                << QStringList{"Verify", "Vergleichen", "Vérifier", "Verifikace"};
        QTest::newRow("read") << Msg::Read << QStringList{"Read", "Lesen", "Lire", "Čtení"};
        QTest::newRow("saving") << Msg::Saving
                                << QStringList{"Saving:", "Speichern:", "Mémorisation",
                                               "Ukládání:"};
        QTest::newRow("unmatched version")
            << Msg::UnmatchedVersion
            << QStringList{"Unmatched version of PC and Ignition programs!",
                           "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
                           "Programme du boitier d´alumage non compatible avec programme PC!",
                           "Neshodné verze proramu v PC a zapalování!"};
        QTest::newRow("unmatched ign file")
            << Msg::UnmatchedIgnFile
            << QStringList{"Unmatched version of *.ign file!", "Datei *.ign ist nicht kompatiebel!",
                           "Programme du fichier non compatible avec programme PC!",
                           "Neshodná verze souboru *.ign!"};
        QTest::newRow("com opening error")
            << Msg::ComOpeningError
            << QStringList{"Com opening error!", "Falscher COM-Anschlußes!",
                           "Erreur connections PC!", "Chyba při otevírání portu Com!"};
        QTest::newRow("default setting question")
            << Msg::DefaultSettingQuestion
            << QStringList{
                   "Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
                   "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"};
        QTest::newRow("no reading")
            << Msg::NoReading
            << QStringList{"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"};
        QTest::newRow("print time heading keeps its blanks")
            << Msg::PrintTimeHeading
            << QStringList{"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
                           "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "};
        QTest::newRow("advance") << Msg::Advance
                                 << QStringList{"Advance", "Vorzündung", "Avance", "Předstih"};
        QTest::newRow("start limiter") << Msg::StartLimiter
                                       << QStringList{"Start limiter", "Startbegrenzer",
                                                      "Limitateur départ", "Startovací omezovač"};
        QTest::newRow("limiter") << Msg::Limiter
                                 << QStringList{"Limiter", "Begrenzer", "Limitateur", "Omezovač"};
        QTest::newRow("gear shift light") << Msg::GearShiftLight
                                          << QStringList{"Gear shift light", "Schaltblitz",
                                                         "Retard à l´allumage", "Kontrolka řazení"};
        QTest::newRow("clutch master stays English in French and Czech")
            << Msg::ClutchMaster
            << QStringList{"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"};
        QTest::newRow("retard") << Msg::Retard
                                << QStringList{"Retard", "Spätzündung", "Retard d´allumage",
                                               "Snížení předstihu"};
        QTest::newRow("German keeps motor off")
            << Msg::MotorOff << QStringList{"Motor off", "Motor off", "Blocage", "Blokování"};
        QTest::newRow("number of programing")
            << Msg::NumberOfPrograming
            << QStringList{"Number of Programing= ", "Programmierungsanzahl= ",
                           "Nombre de programmations= ", "Počet programování= "};
        QTest::newRow("pick-up") << Msg::PickUp
                                 << QStringList{"Pick-up (CPS)", "Geber(CPS)", "Capteur(CPS)",
                                                "Snímač (CPS)"};
        QTest::newRow("is running")
            << Msg::IsRunning << QStringList{" is running", " läuft", " fonctionne", " pracuje"};
        QTest::newRow("no signal")
            << Msg::NoSignal
            << QStringList{" no signal", " kein Signal", " pas de signal", " bez signálu"};
        QTest::newRow("polarity") << Msg::PolarityOfCkps
                                  << QStringList{"Polarity of CKPS", "Polarität des CKPS",
                                                 "Polarité CKPS", "Polarita CKPS"};
        QTest::newRow("positive") << Msg::Positive
                                  << QStringList{"Positive", "Positiv", "Positif", "Kladná"};
        QTest::newRow("negative") << Msg::Negative
                                  << QStringList{"Negative", "Negativ", "Négatif", "Záporná"};
        QTest::newRow("yes") << Msg::Yes << QStringList{"Yes", "Ja", "Oui", "Ano"};
        QTest::newRow("no") << Msg::No << QStringList{"No", "Nein", "Non", "Ne"};
        QTest::newRow("input") << Msg::Input << QStringList{"Input", "Eingang", "Entrée", "Vstup"};
        QTest::newRow("basic") << Msg::Basic
                               << QStringList{"Basic", "Grund", "De base", "Základní"};
        QTest::newRow("file error")
            << Msg::FileError
            << QStringList{"Open file error!", "Fehler beim öffnen der Datei!",
                           "Erreur ouvertur fichier!", "Chyba při otevírání souboru!"};
        QTest::newRow("help error names the manual")
            << Msg::HelpError
            << QStringList{"Open file error manual_zevras_en.pdf !",
                           "Fehler beim öffnen der Datei manual_zevras_de.pdf !",
                           "Erreur ouvertur fichier manual_zevras_fr.pdf !",
                           "Chyba při otevírání souboru manual_zevras_cz.pdf !"};
    }

    void everyLanguage()
    {
        QFETCH(Msg, msg);
        QFETCH(QStringList, expected);
        lang::MessageTable messages;
        for (quint8 language = 0; language < 4; ++language) {
            messages.fill(language);
            QCOMPARE(messages.language(), language);
            QCOMPARE(messages.text(msg), expected.at(language));
        }
    }

    void unknownIndexIsEnglish_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("4") << 4;
        QTest::newRow("255") << 255;
    }

    void unknownIndexIsEnglish()
    {
        QFETCH(int, language);
        lang::MessageTable messages;
        messages.fill(lang::Czech);
        messages.fill(quint8(language));
        QCOMPARE(messages.language(), quint8(lang::English));
        QCOMPARE(messages.text(Msg::ReadError), QStringLiteral("Read error!"));
        QCOMPARE(messages.text(Msg::HelpError),
                 QStringLiteral("Open file error manual_zevras_en.pdf !"));
    }

    void pairsPickFirstWhenSet_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<Msg>("first");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yes") << 0 << Msg::Yes << true << "Yes";
        QTest::newRow("no") << 0 << Msg::Yes << false << "No";
        QTest::newRow("Czech no") << 3 << Msg::Yes << false << "Ne";
        QTest::newRow("running") << 1 << Msg::IsRunning << true << " läuft";
        QTest::newRow("no signal") << 2 << Msg::IsRunning << false << " pas de signal";
    }

    void pairsPickFirstWhenSet()
    {
        QFETCH(int, language);
        QFETCH(Msg, first);
        QFETCH(bool, flag);
        QFETCH(QString, expected);
        lang::MessageTable messages;
        messages.fill(quint8(language));
        QCOMPARE(messages.pick(first, flag), expected);
    }

    void aboutCaption_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << 0 << "About ZEVRA-S2";
        QTest::newRow("German") << 1 << "Über Programm ZEVRA-S2";
        QTest::newRow("French") << 2 << "Information ZEVRA-S2";
        QTest::newRow("Czech") << 3 << "O programu ZEVRA-S2";
        QTest::newRow("unknown leaves the caption") << 4 << QString();
    }

    void aboutCaption()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        const QString caption = lang::aboutCaption(quint8(language));
        QCOMPARE(caption, expected);
        QCOMPARE(caption.isNull(), expected.isNull());
    }

    void monitorPlaceholders_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("advance") << 0 << "LabelMon_Advance"
                                 << "Advance= --- [°]";
        QTest::newRow("German advance") << 1 << "LabelMon_Advance"
                                        << "Vorzündung= --- [°]";
        QTest::newRow("start limiter") << 3 << "LabelMonStartLimiterOut"
                                       << "Startovací omezovač: ---";
        QTest::newRow("limiter") << 1 << "LabelMonHardLimiter"
                                 << "Begrenzer: ---";
        QTest::newRow("French shift light") << 2 << "LabelMonLedRazeni"
                                            << "Retard à l´allumage: ---";
        QTest::newRow("French clutch") << 2 << "LabelClutchMon"
                                       << "Clutch master: ---";
        QTest::newRow("retard") << 1 << "LabelMonRetard"
                                << "Spätzündung: ---";
        QTest::newRow("blocking") << 2 << "LabelBlocking"
                                  << "Blocage: ---";
        QTest::newRow("count has two blanks") << 0 << "LabelPocetProgramovani"
                                              << "Number of Programing=  ---";
        QTest::newRow("Czech count") << 3 << "LabelPocetProgramovani"
                                     << "Počet programování=  ---";
        QTest::newRow("pick-up") << 0 << "LabelSnimac"
                                 << "Pick-up (CPS): ---";
        QTest::newRow("polarity") << 2 << "LabelPolaritaMer"
                                  << "Polarité CKPS: ---";
        QTest::newRow("input 1") << 1 << "LabelMonInput1In"
                                 << "Eingang 1: ---";
        QTest::newRow("input 2") << 3 << "LabelMonInput2In"
                                 << "Vstup 2: ---";
        QTest::newRow("speed is not a placeholder") << 0 << "LabelRpm" << QString();
        QTest::newRow("voltage is not a placeholder") << 0 << "LabelNapeti" << QString();
        QTest::newRow("kill switch is not a placeholder") << 0 << "LabelKillSwitch" << QString();
    }

    void monitorPlaceholders()
    {
        QFETCH(int, language);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        lang::MessageTable messages;
        messages.fill(quint8(language));
        QCOMPARE(placeholderOf(messages, label.toLatin1().constData()), expected);
    }

    // Every language fills every placeholder of the device chooser's texts;
    // a row out of its place in the table shows as the wrong placeholders.
    void portTextsFillTheirPlaceholders_data()
    {
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("placeholders");
        QTest::newRow("title") << int(lang::PortText::Title) << 0;
        QTest::newRow("missing") << int(lang::PortText::Missing) << 0;
        QTest::newRow("permission fix") << int(lang::PortText::PermissionFix) << 3;
        QTest::newRow("use for com") << int(lang::PortText::UseForCom) << 1;
    }

    void portTextsFillTheirPlaceholders()
    {
        QFETCH(int, text);
        QFETCH(int, placeholders);
        QSet<QString> distinct;
        for (quint8 language = 0; language < lang::kLanguageCount; ++language) {
            const QString shown = lang::portText(lang::PortText(text), language);
            QVERIFY(!shown.isEmpty());
            for (int n = 1; n <= 3; ++n)
                QCOMPARE(shown.contains(QStringLiteral("%%1").arg(n)), n <= placeholders);
            distinct << shown;
        }
        QCOMPARE(distinct.size(), lang::kLanguageCount);
        QCOMPARE(lang::portText(lang::PortText(text), 9),
                 lang::portText(lang::PortText(text), lang::English));
    }
};

#include "TestMain.h"

ZEVRAS_TEST_APPLESS_MAIN(TestMessageTable)
#include "tst_messagetable.moc"
