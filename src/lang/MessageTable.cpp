#include "MessageTable.h"

namespace lang {

namespace {

struct MessageEntry
{
    Msg msg;
    const char *text[kLanguageCount];
};

// Texts are shown letter for letter, spelling included.
const MessageEntry kMessages[] = {
    {Msg::HelpFile,
     {"manual_zevras_en.pdf", "manual_zevras_de.pdf", "manual_zevras_fr.pdf",
      "manual_zevras_cz.pdf"}},
    {Msg::ProgramError,
     {"Program error!", "Programmierfehler!", "Erreur de programmation!", "Chyba programování"}},
    {Msg::VerifyError,
     {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {Msg::ReadError, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {Msg::Programing, {"Programing", "Programmieren", "Programmer", "Programování"}},
    {Msg::Verify, {"Verify", "Vergleichen", "Vérifier", "Verifikace"}},
    {Msg::Read, {"Read", "Lesen", "Lire", "Čtení"}},
    {Msg::Saving, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {Msg::UnmatchedVersion,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {Msg::UnmatchedIgnFile,
     {"Unmatched version of *.ign file!", "Datei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {Msg::ComOpeningError,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {Msg::DefaultSettingQuestion,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {Msg::NoReading, {"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"}},
    {Msg::PrintTimeHeading,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {Msg::Advance, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {Msg::StartLimiter,
     {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {Msg::Limiter, {"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
    {Msg::GearShiftLight,
     {"Gear shift light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {Msg::ClutchMaster, {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {Msg::Retard, {"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {Msg::MotorOff, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {Msg::NumberOfPrograming,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {Msg::PickUp, {"Pick-up (CPS)", "Geber(CPS)", "Capteur(CPS)", "Snímač (CPS)"}},
    {Msg::IsRunning, {" is running", " läuft", " fonctionne", " pracuje"}},
    {Msg::NoSignal, {" no signal", " kein Signal", " pas de signal", " bez signálu"}},
    {Msg::PolarityOfCkps,
     {"Polarity of CKPS", "Polarität des CKPS", "Polarité CKPS", "Polarita CKPS"}},
    {Msg::Positive, {"Positive", "Positiv", "Positif", "Kladná"}},
    {Msg::Negative, {"Negative", "Negativ", "Négatif", "Záporná"}},
    {Msg::Yes, {"Yes", "Ja", "Oui", "Ano"}},
    {Msg::No, {"No", "Nein", "Non", "Ne"}},
    {Msg::Input, {"Input", "Eingang", "Entrée", "Vstup"}},
    {Msg::Basic, {"Basic", "Grund", "De base", "Základní"}},
    {Msg::PortOpenFailed,
     {"%1 cannot be opened: %2", "%1 kann nicht geöffnet werden: %2", "Impossible d'ouvrir %1 : %2",
      "%1 nelze otevřít: %2"}},
    {Msg::PdfNotWritten,
     {"The PDF file \"%1\" cannot be written.", "Die PDF-Datei „%1“ kann nicht geschrieben werden.",
      "Le fichier PDF « %1 » ne peut pas être écrit.", "Soubor PDF „%1“ nelze zapsat."}},
    {Msg::PrinterRefusedJob,
     {"The printer \"%1\" did not take the print job.",
      "Der Drucker „%1“ hat den Druckauftrag nicht angenommen.",
      "L'imprimante « %1 » n'a pas accepté l'impression.",
      "Tiskárna „%1“ nepřijala tiskovou úlohu."}},
    {Msg::NoPrinter,
     {"No printer is installed.", "Es ist kein Drucker installiert.",
      "Aucune imprimante n'est installée.", "Není nainstalována žádná tiskárna."}},
    // Printing: printers are installed, but none is the default.
    {Msg::NoDefaultPrinter,
     {"No default printer is set.", "Es ist kein Standarddrucker festgelegt.",
      "Aucune imprimante par défaut n'est définie.", "Není nastavena výchozí tiskárna."}},
    // Printing: the program's printing module is missing or does not load.
    {Msg::PrintingNotInstalled,
     {"Printing is not installed with the program (zevras-print is missing).",
      "Das Drucken ist nicht mit dem Programm installiert (zevras-print fehlt).",
      "L'impression n'est pas installée avec le programme (zevras-print est absent).",
      "Tisk není s programem nainstalován (chybí zevras-print)."}},
    {Msg::NoViewer,
     {"No program to show %1 is installed.",
      "Es ist kein Programm zum Anzeigen von %1 installiert.",
      "Aucun programme pour afficher %1 n'est installé.",
      "Není nainstalován žádný program k zobrazení %1."}},
    // The cable pulled and plugged in again.
    {Msg::DeviceLost,
     {"%1 was disconnected; waiting for it to come back", "%1 wurde getrennt; warte auf das Gerät",
      "%1 a été déconnecté ; en attente de son retour",
      "Zařízení %1 bylo odpojeno; čekám na jeho připojení"}},
    {Msg::DeviceBack,
     {"%1 is connected again", "%1 ist wieder verbunden", "%1 est de nouveau connecté",
      "Zařízení %1 je znovu připojeno"}},
    // Programming cut short after page 1 went to the unit.
    {Msg::UnitMayHoldUnverified,
     {"Programming was cut short: the unit may hold the new set unverified. Run Verify.",
      "Das Programmieren wurde abgebrochen: die Zündung enthält möglicherweise den neuen, nicht "
      "verglichenen Satz. Bitte Vergleichen ausführen.",
      "La programmation a été interrompue : le boîtier contient peut-être le nouveau jeu, non "
      "vérifié. Lancez Vérifier.",
      "Programování bylo přerušeno: zapalování možná obsahuje novou sadu bez verifikace. "
      "Spusťte Verifikaci."}},
    // Two windows on one settings folder.
    {Msg::AnotherWindowRuns,
     {"Another zevras window is running with the settings in %1. Two windows overwrite each "
      "other's settings and parameter image when they close.\n\nStart anyway?",
      "Ein anderes zevras-Fenster läuft bereits mit den Einstellungen in %1. Zwei Fenster "
      "überschreiben beim Schließen gegenseitig ihre Einstellungen und Parameter.\n\nTrotzdem "
      "starten?",
      "Une autre fenêtre zevras fonctionne déjà avec les réglages de %1. Deux fenêtres "
      "écrasent mutuellement leurs réglages et leurs paramètres à la fermeture.\n\nDémarrer "
      "quand même ?",
      "S nastavením v %1 už běží jiné okno zevras. Dvě okna si při zavření navzájem přepíší "
      "nastavení i parametry.\n\nPřesto spustit?"}},
};

const char *const kFileErrorWord[kLanguageCount] = {
    "Open file error", "Fehler beim öffnen der Datei", "Erreur ouvertur fichier",
    "Chyba při otevírání souboru"};

const char *const kAboutCaption[kLanguageCount] = {"About ZEVRA-S2", "Über Programm ZEVRA-S2",
                                                   "Information ZEVRA-S2", "O programu ZEVRA-S2"};

} // namespace

void MessageTable::fill(quint8 language)
{
    m_language = language < kLanguageCount ? language : English;
    for (const MessageEntry &entry : kMessages)
        m_texts[int(entry.msg)] = QString::fromUtf8(entry.text[m_language]);
    const QString word = QString::fromUtf8(kFileErrorWord[m_language]);
    m_texts[int(Msg::FileError)] = word + QLatin1String("!");
    m_texts[int(Msg::HelpError)] =
        word + QLatin1Char(' ') + text(Msg::HelpFile) + QLatin1String(" !");
}

QString aboutCaption(quint8 language)
{
    return language < kLanguageCount ? QString::fromUtf8(kAboutCaption[language]) : QString();
}

} // namespace lang
