#pragma once

#include <QDateTime>
#include <QString>

// The moment the program was built, and its texts in the form the about box shows.
namespace about {

// Fixed by the build (UTC; follows SOURCE_DATE_EPOCH when that is set).
QDateTime buildMoment();

// "Sep 29 2006", "Sep  9 2006": English month, day padded with a space, four-digit year.
QString buildDateText(const QDateTime &moment);

// "06:36:13"
QString buildTimeText(const QDateTime &moment);

} // namespace about
