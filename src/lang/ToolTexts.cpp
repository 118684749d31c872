#include "ToolTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

struct Entry
{
    Tool tool;
    const char *text[kLanguageCount];
};

const Entry kEntries[] = {
    {Tool::CurveGraphTitle, {"Advance curve", "Zündkurve", "Courbe d'avance", "Křivka předstihu"}},
    {Tool::CurveGraphHint,
     {"Drag a point, or select it and move it with the arrow keys",
      "Punkt ziehen, oder anklicken und mit den Pfeiltasten verschieben",
      "Faites glisser un point, ou choisissez-le et déplacez-le avec les flèches",
      "Bod táhněte myší, nebo jej vyberte a posuňte šipkami"}},
    {Tool::EngineSpeedAxis,
     {"Engine speed [rpm]", "Drehzahl [rpm]", "Régime moteur [rpm]", "Otáčky motoru [rpm]"}},
    {Tool::AdvanceAxis, {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {Tool::BaseAdvance,
     {"Base advance", "Basis Vorzündung", "Avance de base", "Základní předstih"}},
    {Tool::StartLimiter,
     {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {Tool::Limiter, {"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
    {Tool::HistoryTitle,
     {"History of sets", "Verlauf der Kenndaten", "Historique des paramètres",
      "Historie parametrů"}},
    {Tool::HistoryWhen, {"Date and time", "Datum und Uhrzeit", "Date et heure", "Datum a čas"}},
    {Tool::HistoryUnit, {"Unit", "Zündung", "Allumage", "Zapalování"}},
    {Tool::HistoryEvent, {"Event", "Vorgang", "Opération", "Událost"}},
    {Tool::HistoryRead, {"read", "gelesen", "lu", "přečteno"}},
    {Tool::HistoryProgrammed, {"programmed", "programmiert", "programmé", "naprogramováno"}},
    {Tool::HistoryOpen, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {Tool::HistoryClose, {"&Close", "&Schließen", "&Fermer", "&Zavřít"}},
    {Tool::HistoryEmpty,
     {"No set has been read or programmed yet.",
      "Es wurden noch keine Kenndaten gelesen oder programmiert.",
      "Aucun paramètre n'a encore été lu ou programmé.",
      "Zatím nebyly přečteny ani naprogramovány žádné parametry."}},
    {Tool::HistoryWriteError,
     {"The history of sets cannot be written to ",
      "Der Verlauf der Kenndaten kann nicht gespeichert werden in ",
      "Impossible d'enregistrer l'historique des paramètres dans ",
      "Historii parametrů nelze uložit do "}},
    // The curve graph's range edits and its second curve.
    {Tool::CurveRangeHint,
     {"Drag across points, or hold Shift with the arrow keys, to select a range",
      "Über Punkte ziehen, oder Umschalt mit den Pfeiltasten, um einen Bereich zu wählen",
      "Faites glisser sur des points, ou Maj avec les flèches, pour choisir une plage",
      "Rozsah vyberte tažením přes body, nebo šipkami se stisknutým Shift"}},
    {Tool::CurveMinusTip,
     {"One degree less on the selected points", "Ein Grad weniger an den gewählten Punkten",
      "Un degré de moins sur les points choisis", "O stupeň méně u vybraných bodů"}},
    {Tool::CurvePlusTip,
     {"One degree more on the selected points", "Ein Grad mehr an den gewählten Punkten",
      "Un degré de plus sur les points choisis", "O stupeň více u vybraných bodů"}},
    {Tool::CurveScale, {"Scale", "Skalieren", "Échelle", "Změnit"}},
    {Tool::CurveScaleTip,
     {"Advance of the selected points times this percentage",
      "Vorzündung der gewählten Punkte mal diesen Prozentsatz",
      "Avance des points choisis multipliée par ce pourcentage",
      "Předstih vybraných bodů krát toto procento"}},
    {Tool::CurveSmooth, {"Smooth", "Glätten", "Lisser", "Vyhladit"}},
    {Tool::CurveSmoothTip,
     {"Each selected point to the mean of itself and its neighbours",
      "Jeder gewählte Punkt auf den Mittelwert mit seinen Nachbarn",
      "Chaque point choisi à la moyenne de lui-même et de ses voisins",
      "Každý vybraný bod na průměr s jeho sousedy"}},
    {Tool::CurveInsert, {"Insert point", "Punkt einfügen", "Insérer un point", "Vložit bod"}},
    {Tool::CurveInsertTip,
     {"A new point halfway between the selected point and the next",
      "Ein neuer Punkt in der Mitte zwischen dem gewählten und dem nächsten Punkt",
      "Un nouveau point à mi-chemin entre le point choisi et le suivant",
      "Nový bod v polovině mezi vybraným a dalším bodem"}},
    {Tool::CurveDelete, {"Delete point", "Punkt löschen", "Supprimer le point", "Smazat bod"}},
    {Tool::CurveDeleteTip,
     {"Removes the selected point; the points above move down",
      "Entfernt den gewählten Punkt; die Punkte darüber rücken nach",
      "Supprime le point choisi ; les points au-dessus descendent",
      "Odstraní vybraný bod; body nad ním se posunou dolů"}},
    {Tool::SecondCurve, {"Second curve:", "Zweite Kurve:", "Seconde courbe :", "Druhá křivka:"}},
    {Tool::SecondCurveNone, {"None", "Keine", "Aucune", "Žádná"}},
    {Tool::SecondCurveFile, {"File…", "Datei…", "Fichier…", "Soubor…"}},
    {Tool::SecondCurveHistory,
     {"History entry…", "Eintrag im Verlauf…", "Entrée de l'historique…", "Záznam z historie…"}},
    {Tool::SecondCurveUnit, {"Unit", "Zündung", "Allumage", "Zapalování"}},
    {Tool::SecondCurveOfFile, {"Dashed: %1", "Gestrichelt: %1", "En tirets : %1", "Čárkovaně: %1"}},
    {Tool::SecondCurveOfUnit,
     {"Dashed: the unit, read at %1", "Gestrichelt: die Zündung, gelesen um %1",
      "En tirets : l'allumage, lu à %1", "Čárkovaně: zapalování, přečteno v %1"}},
    {Tool::SecondCurveBadFile,
     {"No curve can be read from %1", "Aus %1 kann keine Kurve gelesen werden",
      "Aucune courbe ne peut être lue dans %1", "Z %1 nelze přečíst křivku"}},
    {Tool::SecondCurveBusy,
     {"The unit is busy: choose its curve again when it is done",
      "Die Zündung ist beschäftigt: ihre Kurve danach erneut wählen",
      "L'allumage est occupé : choisissez sa courbe à nouveau ensuite",
      "Zapalování je zaneprázdněno: vyberte jeho křivku znovu potom"}},
};

static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == int(Tool::Count),
              "every tool text has an entry");

} // namespace

QString toolText(Tool text, quint8 language)
{
    const int index = language < kLanguageCount ? language : English;
    for (const Entry &entry : kEntries) {
        if (entry.tool == text)
            return QString::fromUtf8(entry.text[index]);
    }
    return QString();
}

} // namespace lang
