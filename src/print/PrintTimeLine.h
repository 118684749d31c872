#pragma once

#include <QString>

class QDateTime;
class QLocale;

namespace print {

// The line the sheet carries: the heading of the current language, the date
// in the locale's short format, four spaces and the time with seconds in the
// locale's long format, without the time zone.
QString printTimeLine(const QString &heading, const QDateTime &now, const QLocale &locale);

} // namespace print
