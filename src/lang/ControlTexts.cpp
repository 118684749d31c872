#include "ControlTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

const char *const kLanguageItems[kLanguageCount] = {"MenuEnglish", "MenuGerman", "MenuFrench",
                                                    "MenuCzech"};

struct Row
{
    const char *names[2]; // one control, or two that carry the same text
    ControlText::Role role;
    const char *text[kLanguageCount]; // German to Czech left out: the English serves all four
    Msg word = Msg::Count;
};

// Captions in the order they are written; "%1" stands for the row's message word.
const Row kCaptions[] = {
    {{"FormHlav"},
     ControlText::Caption,
     {"Programming of ZEVRA-S2 unit", "Programmierung der ZEVRA-S2 Zündbox",
      "Programation de ZEVRA-S2 unité", "Programování jednotky ZEVRA-S2"}},
    {{"LabelSpojeni"},
     ControlText::Caption,
     {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
      "Není spojení s PC"}},
    {{"MenuFile"}, ControlText::Caption, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    // The File menu's caption followed by a colon.
    {{"LabelFile1"}, ControlText::Caption, {"&File:", "&Datei:", "&Fichier:", "&Soubor:"}},
    {{"MenuNew"}, ControlText::Caption, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {{"MenuOpen"}, ControlText::Caption, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {{"MenuSave"}, ControlText::Caption, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {{"MenuPrint"}, ControlText::Caption, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {{"MenuExit"}, ControlText::Caption, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {{"MenuCom"}, ControlText::Caption, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {{"MenuDevice"}, ControlText::Caption, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {{"MenuRead", "ButtonRead"}, ControlText::Caption, {"&%1"}, Msg::Read},
    {{"MenuVerify", "ButtonVerify"}, ControlText::Caption, {"&%1"}, Msg::Verify},
    {{"MenuProgram", "ButtonProgram"}, ControlText::Caption, {"&%1"}, Msg::Programing},
    {{"MenuTools"}, ControlText::Caption, {"&Tools", "&Werkzeuge", "&Outillage", "P&omůcky"}},
    {{"MenuAdvanceMinus"}, ControlText::Caption, {"%1 -"}, Msg::Advance},
    {{"MenuAdvancePlus"}, ControlText::Caption, {"%1 +"}, Msg::Advance},
    {{"MenuLanguage"}, ControlText::Caption, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {{"MenuEnglish"}, ControlText::Caption, {"&English", "&Englisch", "&Englais", "&Anglicky"}},
    {{"MenuGerman"}, ControlText::Caption, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {{"MenuFrench"}, ControlText::Caption, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {{"MenuCzech"}, ControlText::Caption, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {{"MenuHelp"}, ControlText::Caption, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {{"MenuContens"}, ControlText::Caption, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {{"MenuAbout"},
     ControlText::Caption,
     {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
    {{"CheckBoxIgnAll"}, ControlText::Caption, {"All", "Alles", "Tout", "Vše"}},
    {{"CheckBoxProgHned"},
     ControlText::Caption,
     {"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification",
      "Programování po změně"}},
    {{"CheckBoxZakazCteni"},
     ControlText::Caption,
     {"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"}},
    {{"LabelAdvance1", "LabelAdvance2"},
     ControlText::Caption,
     {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {{"LabelOmez1"},
     ControlText::Caption,
     {"Start limiter [rpm]", "Startbegrenzer [rpm]", "Limitateur départ [rpm]",
      "Startovací omezovač [rpm]"}},
    {{"LabelOmez2"},
     ControlText::Caption,
     {"Limiter [rpm]", "Begrenzer [rpm]", "Limitateur [rpm]", "Omezovač [rpm]"}},
    {{"LabelBaseAdv"},
     ControlText::Caption,
     {"Base advance [°]", "Basis Vorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {{"LabelPocetBodu"},
     ControlText::Caption,
     {"Number of items", "Anzahl der Stützpunkte", "Nombre de points", "Počet bodů"}},
    {{"LabelRetard"},
     ControlText::Caption,
     {"Retard [°]", "Spätzündung [°]", "Retard d´allumage[°]", "Snížení předstihu [°]"}},
    {{"LabelLedRazeni"},
     ControlText::Caption,
     {"Gear shift light [rpm]", "Schaltblitz [rpm]", "Témoin de changement de rapport [rpm]",
      "Kontrolka řazení [rpm]"}},
    {{"CheckBoxRevOutLedRazeni"},
     ControlText::Caption,
     {"Reverse otput polarity", "Umgekehrte Ausgangpolarität", "Reverse otput polarity",
      "Opačná polarita výstupu"}},
    {{"RadioGroupPolarita"},
     ControlText::Caption,
     {"Polarity of CPS:", "Polarität des CPS:", "Polarité CPS", "Polarita CPS:"}},
    {{"RadioGroupInput1"}, ControlText::Caption, {"%1 1"}, Msg::Input},
    {{"RadioGroupInput2"}, ControlText::Caption, {"%1 2"}, Msg::Input},
    {{"GroupBoxRpm"},
     ControlText::Caption,
     {"Tachometer output", "Drehzählerausgang", "Tachometer output", "Výstup pro otáčkoměr"}},
    {{"LabelRpmPulsu"},
     ControlText::Caption,
     {"Pulses per revolution", "Pulse pro Umdrehung", "Pulses per revolution",
      "Počet pulsů za otáčku"}},
    {{"LabelRpmKorekce"},
     ControlText::Caption,
     {"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}},
    {{"MenuCurveGraph"},
     ControlText::Caption,
     {"Advance curve", "Zündkurve", "Courbe d'avance", "Křivka předstihu"}},
    {{"MenuHistory"},
     ControlText::Caption,
     {"History...", "Verlauf...", "Historique...", "Historie..."}},
    // The Tools menu's comparison and recording items.
    {{"MenuCompareFile"},
     ControlText::Caption,
     {"Compare with &file...", "Mit &Datei vergleichen...", "Comparer avec un &fichier...",
      "Porovnat se &souborem..."}},
    {{"MenuCompareUnit"},
     ControlText::Caption,
     {"Compare with &unit", "Mit &Zündung vergleichen", "Comparer avec l'&allumage",
      "Porovnat se za&palováním"}},
    {{"MenuRecord"},
     ControlText::Caption,
     {"&Record live values...", "Messwerte &aufzeichnen...", "&Enregistrer les mesures...",
      "Zá&znam měřených hodnot..."}},
    // The Com menu's device items
    {{"MenuChooseDevice"},
     ControlText::Caption,
     {"Choose &device...", "&Gerät wählen...", "Choisir l'&appareil...", "Vybrat &zařízení..."}},
    {{"MenuFindUnit"},
     ControlText::Caption,
     {"Find &unit", "Zündung &suchen", "&Rechercher l'allumage", "&Najít zapalování"}},
    // The ride log viewer
    {{"MenuRideLog"},
     ControlText::Caption,
     {"Open ride log...", "Fahrtaufzeichnung öffnen...", "Ouvrir un journal de roulage...",
      "Otevřít záznam jízdy..."}},
    {{"GroupBoxMonInput"},
     ControlText::Caption,
     {"Input to ground", "Eingang zu Erde", "Entrée de terre", "Vstup uzeměn"}},
};

// Combo-box entries and radio-group buttons, separated by line breaks.
const Row kItems[] = {
    {{"ComboBoxPocPalcu"},
     ControlText::Items,
     {"1 ignition per revolution\n"
      "2 ignitions per revolution\n"
      "3 ignitions per revolution\n"
      "1 ignition per 2 revolutions (camshaft)",
      "1 Zündung pro Umdrehung\n"
      "2 Zündungen pro Umdrehung\n"
      "3 Zündungen pro Umdrehung\n"
      "1 Zündung pro 2 Umdrehungen (Nockenwelle)",
      "1 ignition per revolution\n"
      "2 ignitions per revolution\n"
      "3 ignitions per revolution\n"
      "1 ignition per 2 revolutions (camshaft)",
      "1 zápal za otáčku\n"
      "2 zápaly za otáčku\n"
      "3 zápaly za otáčku\n"
      "1 zápal za 2 otáčky (vačkový hřídel)"}},
    {{"RadioGroupPolarita"},
     ControlText::Items,
     {"Positive\nNegative\nSelfsearch", "Positiv\nNegativ\nAutomatisch",
      "Positif\nNégatif\nAutomatique", "Kladná\nZáporná\nSamohledání"}},
    {{"RadioGroupInput1"},
     ControlText::Items,
     {"Off\nKill switch\nClutch master\nRetard\nStart Limiter",
      "Aus\nNot Aus\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nInterrupteur de sécurité\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nKill switch\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
    {{"RadioGroupInput2"},
     ControlText::Items,
     {"Off\nBlocking\nClutch master\nRetard\nStart Limiter",
      "Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nBlocage\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
};

const Row kHints[] = {
    {{"LabelRpm1", "LabelRpm2"},
     ControlText::Hint,
     {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
      "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    {{"LabelVerze1"},
     ControlText::Hint,
     {"Version of program in ignition", "Programmverion der Zündung",
      "Variantes de courbe d´avance", "Verze programu v zapalování"}},
    {{"LabelVerze2"},
     ControlText::Hint,
     {"Date of program in ignition", "Datum des Programm in der Zündung",
      "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {{"LabelVerze3"},
     ControlText::Hint,
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {{"SpeedButton5", "MenuOpen"},
     ControlText::Hint,
     {"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {{"SpeedButton6", "MenuNew"},
     ControlText::Hint,
     {"Set default parametrs", "neue Kenndatendatei erstellen",
      "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {{"SpeedButton7", "MenuSave"},
     ControlText::Hint,
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {{"SpeedButtonPrint", "MenuPrint"},
     ControlText::Hint,
     {"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"}},
    {{"ButtonProgram", "MenuProgram"},
     ControlText::Hint,
     {"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
      "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}},
    {{"ButtonVerify", "MenuVerify"},
     ControlText::Hint,
     {"Compare set parametrs  with parametrs of ignition",
      "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {{"BitBtnAdvMinus"},
     ControlText::Hint,
     {"Take off 1 degree of Advance", "Vorzündung minus 1 Grad",
      "Retarder de 1 degré l´avance a l´allumage", "Zmenšení předstihu o 1 stupeň"}},
    {{"BitBtnAdvPlus"},
     ControlText::Hint,
     {"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
      "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"}},
    {{"ButtonRead", "MenuRead"},
     ControlText::Hint,
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {{"MenuExit"},
     ControlText::Hint,
     {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {{"MenuLanguage"},
     ControlText::Hint,
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {{"CheckBoxProgHned"},
     ControlText::Hint,
     {"Programing at once after change", "Programmmieren sofort nach dem änderung",
      "Programation instantanée des modifications", "Programování ihned po změně"}},
    {{"MenuCurveGraph"},
     ControlText::Hint,
     {"Advance curve|Show the advance curve as a graph", "Zündkurve|Zündkurve als Diagramm zeigen",
      "Courbe d'avance|Afficher la courbe d'avance",
      "Křivka předstihu|Zobrazení křivky předstihu v grafu"}},
    {{"MenuHistory"},
     ControlText::Hint,
     {"History|Open a set read from or programmed into a unit",
      "Verlauf|Gelesene oder programmierte Kenndaten öffnen",
      "Historique|Ouvrir des paramètres lus ou programmés",
      "Historie|Otevření přečtených nebo naprogramovaných parametrů"}},
    // The Tools menu's comparison and recording items.
    {{"MenuCompareFile"},
     ControlText::Hint,
     {"Compare the set parameters with a file", "Kenndaten mit einer Datei vergleichen",
      "Comparer les paramètres avec un fichier", "Porovnání nastavených parametrů se souborem"}},
    {{"MenuCompareUnit"},
     ControlText::Hint,
     {"Compare the set parameters with those of the ignition, without changing them",
      "Kenndaten mit Zündungskenndaten vergleichen, ohne sie zu ändern",
      "Comparer les paramètres avec ceux de l'allumage, sans les modifier",
      "Porovnání nastavených parametrů s parametry zapalování beze změny"}},
    {{"MenuRecord"},
     ControlText::Hint,
     {"Write the live values of the ignition to a CSV file",
      "Messwerte der Zündung in eine CSV-Datei schreiben",
      "Enregistrer les mesures de l'allumage dans un fichier CSV",
      "Zápis měřených hodnot zapalování do souboru CSV"}},
    // The Com menu's device items
    {{"MenuChooseDevice"},
     ControlText::Hint,
     {"Choose device|Choose the serial device for the checked com",
      "Gerät wählen|Serielles Gerät für den gewählten COM-Anschluss wählen",
      "Choisir l'appareil|Choisir l'appareil série du com coché",
      "Vybrat zařízení|Výběr sériového zařízení pro zaškrtnutý port Com"}},
    {{"MenuFindUnit"},
     ControlText::Hint,
     {"Find unit|Ask every serial device whether the unit answers on it",
      "Zündung suchen|Jedes serielle Gerät fragen, ob die Zündung daran antwortet",
      "Rechercher l'allumage|Demander à chaque appareil série si l'allumage y répond",
      "Najít zapalování|Zeptat se každého sériového zařízení, zda na něm zapalování odpovídá"}},
    // The ride log viewer
    {{"MenuRideLog"},
     ControlText::Hint,
     {"Ride log|Look at a recording of live values on a time line and on the curve",
      "Fahrtaufzeichnung|Eine Aufzeichnung von Messwerten auf der Zeitachse und der Kurve ansehen",
      "Journal de roulage|Voir un enregistrement de valeurs sur une chronologie et sur la courbe",
      "Záznam jízdy|Prohlížení záznamu měřených hodnot v čase a na křivce"}},
    {{"MenuCom"},
     ControlText::Hint,
     {"Set number of com", "Com-Anschluß festlegen", "installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
};

// Followed by the port number.
const char *const kPortHint[kLanguageCount] = {"Set com", "Com-Anschluß auswahl", "installer com",
                                               "Nastavení komunikace na port com"};

// The language items' hints are the same in every language.
const Row kClosing[] = {
    {{"MenuEnglish"}, ControlText::Hint, {"Set English menu"}},
    {{"MenuGerman"}, ControlText::Hint, {"Deutsches Menü"}},
    {{"MenuFrench"}, ControlText::Hint, {"Installer en Francais "}},
    {{"MenuCzech"}, ControlText::Hint, {"Nastavit české menu"}},
    {{"MenuZpet"}, ControlText::Caption, {"Undo", "Zurück", "Undo", "Zpět"}},
    {{"MenuZnovu"}, ControlText::Caption, {"Redo", "Wieder", "Redo", "Znovu"}},
};

} // namespace

ControlTexts::ControlTexts(quint8 language)
    : m_language(language < kLanguageCount ? language : English)
{
    MessageTable messages;
    messages.fill(m_language);

    for (int index = 0; index < kLanguageCount; ++index) {
        ControlText check;
        check.objectName = QLatin1String(kLanguageItems[index]);
        check.role = ControlText::Check;
        check.checked = index == m_language;
        m_texts.append(check);
    }

    const auto addRows = [&](const auto &rows) {
        for (const Row &row : rows) {
            const char *text = row.text[m_language] ? row.text[m_language] : row.text[0];
            QString resolved = QString::fromUtf8(text);
            if (row.word != Msg::Count)
                resolved.replace(QLatin1String("%1"), messages.text(row.word));
            for (const char *name : row.names) {
                if (!name)
                    continue;
                ControlText entry;
                entry.objectName = QLatin1String(name);
                entry.role = row.role;
                if (row.role == ControlText::Items)
                    entry.items = resolved.split(QLatin1Char('\n'));
                else
                    entry.text = resolved;
                m_texts.append(entry);
            }
        }
    };

    addRows(kCaptions);
    addRows(kItems);
    addRows(kHints);
    for (int port = 1; port <= 10; ++port) {
        ControlText entry;
        entry.objectName = QStringLiteral("MenuCom%1").arg(port);
        entry.role = ControlText::Hint;
        entry.text =
            QString::fromUtf8(kPortHint[m_language]) + QLatin1Char(' ') + QString::number(port);
        m_texts.append(entry);
    }
    addRows(kClosing);
}

const ControlText *ControlTexts::find(const QString &objectName, ControlText::Role role) const
{
    for (const ControlText &entry : m_texts) {
        if (entry.role == role && entry.objectName == objectName)
            return &entry;
    }
    return nullptr;
}

QString ControlTexts::caption(const QString &objectName) const
{
    const ControlText *entry = find(objectName, ControlText::Caption);
    return entry ? entry->text : QString();
}

QString ControlTexts::hint(const QString &objectName) const
{
    const ControlText *entry = find(objectName, ControlText::Hint);
    return entry ? entry->text : QString();
}

QStringList ControlTexts::items(const QString &objectName) const
{
    const ControlText *entry = find(objectName, ControlText::Items);
    return entry ? entry->items : QStringList();
}

HintParts splitHint(const QString &hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

QString withoutAccessKeys(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&'))
            ++i;
        if (i < caption.size())
            shown.append(caption.at(i));
    }
    return shown;
}

} // namespace lang
