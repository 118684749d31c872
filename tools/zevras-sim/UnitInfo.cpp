#include "UnitInfo.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
const QStringList kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

quint8 monthCode(const QByteArray &month)
{
    int sum = 0;
    for (char c : month)
        sum += quint8(c);
    return quint8(sum & 0xFF);
}

bool parseBuildDate(const QString &text, UnitIdentity *identity)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w{3})\\s+(\\d{1,2})\\s+(\\d{4})$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch() || !kMonths.contains(match.captured(1)))
        return false;
    const int day = match.captured(2).toInt();
    const int year = match.captured(3).toInt();
    if (day < 1 || day > 31 || year < 2000 || year > 2099)
        return false;
    identity->month = match.captured(1).toLatin1();
    identity->day = day;
    identity->year = year - 2000;
    return true;
}

bool parseBuildTime(const QString &text, UnitIdentity *identity)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    if (hour > 23 || minute > 59)
        return false;
    identity->hour = hour;
    identity->minute = minute;
    return true;
}

Page composeUnitInfo(const UnitIdentity &identity, bool readAllowed)
{
    Page page{};
    for (int i = 0; i < 3 && i < identity.name.size(); ++i)
        page[wire::info::NAME + i] = quint8(identity.name[i]);
    page[wire::info::NAME_NUMBER] = quint8(identity.number);
    page[wire::info::DAY] = quint8(identity.day);
    page[wire::info::MONTH_CODE] = monthCode(identity.month);
    page[wire::info::YEAR] = quint8(identity.year);
    page[wire::info::HOUR] = quint8(identity.hour);
    page[wire::info::MINUTE] = quint8(identity.minute);
    page[wire::info::READ_ALLOWED] = readAllowed ? 1 : 0;
    page[wire::info::FORMAT_VERSION] = quint8(identity.formatVersion);
    const QByteArray longName = identity.longName.left(wire::info::LONG_NAME_SIZE);
    for (int i = 0; i < longName.size(); ++i)
        page[wire::info::LONG_NAME + i] = quint8(longName[i]);
    return page;
}
