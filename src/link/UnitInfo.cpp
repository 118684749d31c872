#include "UnitInfo.h"

#include "LinkProtocol.h"

namespace {

// Month codes in calendar order: "Jan" sums to 281, low byte 25, and so on.
constexpr quint8 kMonthCodes[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};

QString twoDigits(quint8 value)
{
    return QString::asprintf("%02u", unsigned(value));
}

QString name(const quint8 *page0)
{
    if (page0[wire::info::LONG_NAME] != 0) {
        const char *text = reinterpret_cast<const char *>(page0 + wire::info::LONG_NAME);
        return QString::fromLatin1(text, qstrnlen(text, wire::info::LONG_NAME_SIZE));
    }
    const char *letters = reinterpret_cast<const char *>(page0 + wire::info::NAME);
    return QString::fromLatin1(letters, 3) + twoDigits(page0[wire::info::NAME_NUMBER]);
}

} // namespace

QString monthText(quint8 code)
{
    for (int month = 0; month < 12; ++month) {
        if (kMonthCodes[month] == code)
            return QString::asprintf("%2d", month + 1);
    }
    return QStringLiteral("00");
}

UnitIdentification decodeUnitInfo(const quint8 *page0)
{
    UnitIdentification id;
    id.name = name(page0);
    id.date = QString::asprintf("%2u", unsigned(page0[wire::info::DAY])) + QLatin1Char('.') +
              monthText(page0[wire::info::MONTH_CODE]) + QLatin1String(".20") +
              twoDigits(page0[wire::info::YEAR]);
    id.time = twoDigits(page0[wire::info::HOUR]) + QLatin1Char(':') +
              twoDigits(page0[wire::info::MINUTE]);
    return id;
}
