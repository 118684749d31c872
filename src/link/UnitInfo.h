#pragma once

#include <QString>

// The three identification texts of the unit's program, taken from page 0.
struct UnitIdentification
{
    QString name; // "SIL13", or the long name when the unit gives one
    QString date; // "dd.mm.20yy", day and month blank-padded
    QString time; // "hh:mm"

    bool operator==(const UnitIdentification &o) const
    {
        return name == o.name && date == o.date && time == o.time;
    }
};

UnitIdentification decodeUnitInfo(const quint8 *page0);

// Two characters for a month code (low byte of the sum of the letters of the
// English month name): " 1" .. "12", or "00" for an unknown code.
QString monthText(quint8 code);
