#include "PrintTimeLine.h"

#include <QDateTime>
#include <QLocale>

namespace print {

QString printTimeLine(const QString &heading, const QDateTime &now, const QLocale &locale)
{
    // The time is formatted from the date-time, not a bare time, so that a
    // zone in the long format is the zone of now.
    return heading + locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
           locale.toString(now, locale.timeFormat(QLocale::LongFormat));
}

} // namespace print
