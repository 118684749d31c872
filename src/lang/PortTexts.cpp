#include "PortTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

struct PortEntry
{
    PortText id;
    const char *text[kLanguageCount];
};

const PortEntry kPortTexts[] = {
    {PortText::Title, {"Serial devices", "Serielle Geräte", "Appareils série", "Sériová zařízení"}},
    {PortText::Device, {"Device", "Gerät", "Appareil", "Zařízení"}},
    {PortText::Description, {"Description", "Beschreibung", "Description", "Popis"}},
    {PortText::Manufacturer, {"Manufacturer", "Hersteller", "Fabricant", "Výrobce"}},
    {PortText::SerialNumber, {"Serial number", "Seriennummer", "Numéro de série", "Sériové číslo"}},
    {PortText::UsbId,
     {"USB vendor:product", "USB Hersteller:Produkt", "USB fabricant:produit",
      "USB výrobce:produkt"}},
    {PortText::ComItems, {"Com item", "COM-Anschluss", "Com", "Port Com"}},
    {PortText::Access, {"Access", "Zugriff", "Accès", "Přístup"}},
    {PortText::MayOpen, {"may open", "erlaubt", "autorisé", "povolen"}},
    {PortText::NoPermission,
     {"no permission", "keine Berechtigung", "pas d'autorisation", "chybí oprávnění"}},
    {PortText::Missing, {"missing", "nicht vorhanden", "absent", "chybí"}},
    {PortText::PermissionFix,
     {"You may not open %1: it belongs to the group %2. Add yourself to the group once:\n\n"
      "    %3\n\nthen log out and in again; the group counts from the next login.",
      "Sie dürfen %1 nicht öffnen: es gehört der Gruppe %2. Fügen Sie sich einmal der "
      "Gruppe hinzu:\n\n    %3\n\nmelden Sie sich dann ab und wieder an; die Gruppe gilt ab "
      "der nächsten Anmeldung.",
      "Vous ne pouvez pas ouvrir %1 : il appartient au groupe %2. Ajoutez-vous une fois au "
      "groupe :\n\n    %3\n\npuis déconnectez-vous et reconnectez-vous ; l'appartenance au "
      "groupe vaut à partir de la prochaine connexion.",
      "Zařízení %1 nemůžete otevřít: patří skupině %2. Jednou se do skupiny přidejte:\n\n"
      "    %3\n\npak se odhlaste a znovu přihlaste; skupina platí od příštího přihlášení."}},
    {PortText::UseForCom,
     {"Use for Com %1", "Für COM %1 verwenden", "Utiliser pour com %1", "Použít pro Com %1"}},
    // Find unit
    {PortText::Searching,
     {"Searching for the unit...", "Zündung wird gesucht...", "Recherche de l'allumage...",
      "Hledá se zapalování..."}},
    {PortText::Found,
     {"%1 answers on %2, now the device of Com %3",
      "%1 antwortet an %2, jetzt das Gerät von COM %3",
      "%1 répond sur %2, désormais l'appareil du com %3",
      "%1 odpovídá na %2, nyní zařízení portu Com %3"}},
    {PortText::NoneAnswered,
     {"No unit answered (devices asked: %1)", "Keine Zündung hat geantwortet (gefragte Geräte: %1)",
      "Aucun allumage n'a répondu (appareils interrogés : %1)",
      "Žádné zapalování neodpovědělo (dotázaná zařízení: %1)"}},
    {PortText::Answering,
     {"answers: %1, data version %2", "antwortet: %1, Datenversion %2",
      "répond : %1, version des données %2", "odpovídá: %1, verze dat %2"}},
    {PortText::Silent, {"no answer", "keine Antwort", "pas de réponse", "bez odpovědi"}},
    {PortText::Busy,
     {"in use by another program", "von einem anderen Programm belegt",
      "utilisé par un autre programme", "používá jiný program"}},
    {PortText::OpenFailed,
     {"cannot be opened", "lässt sich nicht öffnen", "ne peut pas être ouvert", "nelze otevřít"}},
};

static_assert(sizeof(kPortTexts) / sizeof(kPortTexts[0]) == int(PortText::Count),
              "every port text has its four languages");

} // namespace

QString portText(PortText text, quint8 language)
{
    const quint8 index = language < kLanguageCount ? language : English;
    return QString::fromUtf8(kPortTexts[int(text)].text[index]);
}

} // namespace lang
