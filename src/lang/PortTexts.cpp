#include "PortTexts.h"

#include "MessageTable.h"

namespace lang {

namespace {

struct Entry
{
    PortText id;
    const char *text[kLanguageCount];
};

const Entry kEntries[] = {
    {PortText::MenuCaption,
     {"Choose &device...", "&Gerät wählen...", "Choisir l'&appareil...", "Vybrat &zařízení..."}},
    {PortText::MenuHint,
     {"Choose device|Choose the serial device for the checked com",
      "Gerät wählen|Serielles Gerät für den gewählten COM-Anschluss wählen",
      "Choisir l'appareil|Choisir l'appareil série du com coché",
      "Vybrat zařízení|Výběr sériového zařízení pro zaškrtnutý port Com"}},
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
};

static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == int(PortText::Count),
              "every port text has its four languages");

} // namespace

QString portText(PortText text, quint8 language)
{
    const quint8 index = language < kLanguageCount ? language : English;
    return QString::fromUtf8(kEntries[int(text)].text[index]);
}

} // namespace lang
