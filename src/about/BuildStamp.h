#pragma once

#include <QDateTime>
#include <QString>

// The moment the program was built, and its texts in the form the about box shows.
namespace about {

// When this program was compiled, in local time as the compiler's own
// __DATE__ and __TIME__ give it; a SOURCE_DATE_EPOCH set for the build wins
// (in UTC), so that reproducible builds carry a fixed stamp.
QDateTime buildMoment();

// The compiler's stamp texts ("Sep  9 2006", "06:36:13") as a local time;
// invalid when they are not in that form.
QDateTime compilerStamp(const char *date, const char *time);

// "Sep 29 2006", "Sep  9 2006": English month, day padded with a space, four-digit year.
QString buildDateText(const QDateTime &moment);

// "06:36:13"
QString buildTimeText(const QDateTime &moment);

} // namespace about
