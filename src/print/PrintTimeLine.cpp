#include "PrintTimeLine.h"

#include <QDateTime>
#include <QLocale>

namespace print {

namespace {

// The locale's long time format without its time zone ("h:mm:ss AP t" gives
// "h:mm:ss AP"): hours, minutes and seconds in the locale's order. The zone
// only lengthens the line; the sheet is read where it was printed.
QString timeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) {
            kept += c;
            continue;
        }
        // The zone goes together with the blank that led to it.
        while (!kept.isEmpty() && kept.back().isSpace())
            kept.chop(1);
    }
    return kept.trimmed();
}

} // namespace

QString printTimeLine(const QString &heading, const QDateTime &now, const QLocale &locale)
{
    return heading + locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral("    ") +
           locale.toString(now.time(), timeFormatWithoutZone(locale));
}

} // namespace print
