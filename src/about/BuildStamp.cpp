#include "BuildStamp.h"

#include <QStringList>
#include <QTimeZone>

namespace about {

namespace {

// English names whatever the locale, as the compiler's own date stamp has them.
const char *const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

} // namespace

QDateTime buildMoment()
{
#ifdef ZEVRAS_SOURCE_DATE_EPOCH
    return QDateTime::fromSecsSinceEpoch(qint64(ZEVRAS_SOURCE_DATE_EPOCH), QTimeZone::utc());
#else
    return compilerStamp(__DATE__, __TIME__);
#endif
}

QDateTime compilerStamp(const char *date, const char *time)
{
    const QString dateText = QString::fromLatin1(date).simplified();
    const QStringList words = dateText.split(QLatin1Char(' '));
    if (words.size() != 3)
        return QDateTime();
    int month = 0;
    while (month < 12 && words[0] != QLatin1String(kMonthNames[month]))
        ++month;
    const QDate day(words[2].toInt(), month + 1, words[1].toInt());
    const QTime clock = QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm:ss"));
    if (month == 12 || !day.isValid() || !clock.isValid())
        return QDateTime();
    return QDateTime(day, clock, Qt::LocalTime);
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
