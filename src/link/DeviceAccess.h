#pragma once

#include <QString>

// What the operating system says about one device file for this user.
struct DeviceAccess
{
    bool exists = false;
    bool mayOpen = false; // read and write allowed to this user
    QString group;        // the group owning the file; empty when unknown
};

// Asks the file system; the platform's only code of the port survey.
DeviceAccess deviceAccess(const QString &path);

// The program that holds the device open, as "name (pid N)", when the
// system shows it (Linux: /proc); empty when unknown or none.
QString deviceHolder(const QString &path);
