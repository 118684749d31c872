#include "BuildStamp.h"

#include <QTimeZone>

namespace about {

namespace {

// English names whatever the locale, as the compiler's own date stamp has them.
const char *const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

QDateTime buildMoment()
{
    return QDateTime::fromSecsSinceEpoch(qint64(ZEVRAS_BUILD_EPOCH), QTimeZone::utc());
}

QString buildDateText(const QDateTime &moment)
{
    const QDate date = moment.date();
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(kMonthNames[date.month() - 1]))
        .arg(date.day(), 2, 10, QLatin1Char(' '))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString buildTimeText(const QDateTime &moment)
{
    if (!moment.time().isValid())
        return QString();
    return moment.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace about
