#pragma once

#include "SimFrame.h"

#include <QByteArray>
#include <QString>

// Who the simulated unit says it is: the identification page it answers to
// every page-0 request.
struct UnitIdentity
{
    QByteArray name = "SIL"; // three letters
    int number = 13;
    int day = 5;
    QByteArray month = "Oct"; // English three-letter name
    int year = 23;            // within 2000
    int hour = 14;
    int minute = 7;
    QByteArray longName; // up to 30 characters; empty leaves the short name
    int formatVersion = wire::PC_FORMAT_VERSION;
};

// The low 8 bits of the sum of the letters of a three-letter month name.
quint8 monthCode(const QByteArray &month);

// Takes "Oct 5 2023" and "14:07" (the compiler's date and time style).
bool parseBuildDate(const QString &text, UnitIdentity *identity);
bool parseBuildTime(const QString &text, UnitIdentity *identity);

Page composeUnitInfo(const UnitIdentity &identity, bool readAllowed);
