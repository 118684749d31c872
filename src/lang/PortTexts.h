#pragma once

#include <QString>

// The texts of the device chooser and of the Com items' device notes.
namespace lang {

enum class PortText : int
{
    Title,  // the chooser's window title
    Device, // column headings from here to Access
    Description,
    Manufacturer,
    SerialNumber,
    UsbId,
    ComItems,
    Access,
    MayOpen,       // in the Access column
    NoPermission,  // in the Access column
    Missing,       // in the Access column, and after a Com item's device
    PermissionFix, // %1 device, %2 group, %3 the command that adds the user
    UseForCom,     // button; %1 the checked Com item's number
    // Find unit
    Searching,    // status line while the devices are asked
    Found,        // status line; %1 the unit's program, %2 device, %3 Com item number
    NoneAnswered, // status line; %1 the number of devices asked
    Answering,    // access column; %1 the unit's program, %2 its data version
    Silent,       // access column
    Busy,         // access column
    OpenFailed,   // access column
    Count
};

// An index above 3 counts as English.
QString portText(PortText text, quint8 language);

} // namespace lang
