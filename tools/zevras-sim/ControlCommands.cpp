#include "ControlCommands.h"

#include "EngineModel.h"
#include "FaultInjector.h"
#include "UnitModel.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

constexpr int kMaxDelayMs = 10000;

std::optional<int> number(const QStringList &words, int index, int low, int high)
{
    bool ok = false;
    const int value = index < words.size() ? words[index].toInt(&ok) : 0;
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<bool> onOff(const QStringList &words, int index)
{
    const QString word = index < words.size() ? words[index] : QString();
    if (word == QLatin1String("on"))
        return true;
    if (word == QLatin1String("off"))
        return false;
    return std::nullopt;
}

QString error(const QString &why)
{
    return QStringLiteral("ERROR ") + why;
}

} // namespace

ControlCommands::Result ControlCommands::execute(const QString &line, qint64 nowMs)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = line.trimmed().split(blanks, Qt::SkipEmptyParts);
    QString ok = QStringLiteral("OK ") + words.join(QLatin1Char(' '));
    const QString command = words.value(0);

    if (command == QLatin1String("quit"))
        return {QStringLiteral("OK quit"), true};
    if (command == QLatin1String("show"))
        return {QStringLiteral("OK %1; %2; page1 %3")
                    .arg(m_engine.describe(), m_faults.describe(),
                         QString::fromLatin1(storedPage1().toHex()))};
    if (command == QLatin1String("fault"))
        return {fault(words)};
    if (words.size() != 2)
        return {error(QStringLiteral("unknown command: ") + line.trimmed())};

    if (command == QLatin1String("rpm")) {
        const auto rpm = number(words, 1, 0, EngineModel::kMaxRpm);
        if (!rpm)
            return {error(QStringLiteral("rpm takes 0..%1").arg(EngineModel::kMaxRpm))};
        m_engine.holdRpm(*rpm);
        return {ok};
    }
    if (command == QLatin1String("sweep")) {
        const auto sweep = parseSweep(words[1]);
        if (!sweep)
            return {error(QStringLiteral("sweep takes MIN:MAX:SECONDS"))};
        m_engine.sweep(*sweep, nowMs);
        return {ok};
    }
    if (command == QLatin1String("supply") || command == QLatin1String("ripple")) {
        const auto mv = number(words, 1, 0, EngineModel::kMaxSupplyMv);
        if (!mv)
            return {error(command + QStringLiteral(" takes millivolts"))};
        command == QLatin1String("supply") ? m_engine.setSupply(*mv) : m_engine.setRipple(*mv);
        return {ok};
    }
    if (command == QLatin1String("input1") || command == QLatin1String("input2")) {
        const auto active = onOff(words, 1);
        if (!active)
            return {error(command + QStringLiteral(" takes on or off"))};
        m_engine.setInput(command.back().digitValue(), *active);
        return {ok};
    }
    if (command == QLatin1String("pickup")) {
        if (words[1] != QLatin1String("positive") && words[1] != QLatin1String("negative"))
            return {error(QStringLiteral("pickup takes positive or negative"))};
        m_engine.setPickupNegative(words[1] == QLatin1String("negative"));
        return {ok};
    }
    return {error(QStringLiteral("unknown command: ") + line.trimmed())};
}

QByteArray ControlCommands::storedPage1() const
{
    return QByteArray(reinterpret_cast<const char *>(m_unit.image().page(1)), wire::kFrameDataSize);
}

QString ControlCommands::fault(const QStringList &words)
{
    FaultSettings &s = m_faults.settings();
    const QString kind = words.value(1);
    QString ok = QStringLiteral("OK ") + words.join(QLatin1Char(' '));
    if (kind == QLatin1String("none") && words.size() == 2) {
        s = FaultSettings{};
        return ok;
    }
    if (words.size() != 3)
        return error(QStringLiteral("fault takes a kind and a value, or none"));
    if (kind == QLatin1String("silent") || kind == QLatin1String("garbage")) {
        const auto on = onOff(words, 2);
        if (!on)
            return error(kind + QStringLiteral(" takes on or off"));
        (kind == QLatin1String("silent") ? s.silent : s.garbage) = *on;
        return ok;
    }
    struct Limits
    {
        const char *name;
        int *value;
        int low;
        int high;
    };
    const Limits limits[] = {{"first-silent", &s.firstSilent, 0, 1000000},
                             {"drop", &s.dropPercent, 0, 100},
                             {"flip", &s.flipPercent, 0, 100},
                             {"split", &s.splitSize, 0, 52},
                             {"late", &s.lateMs, 0, kMaxDelayMs}};
    for (const Limits &l : limits) {
        if (kind != QLatin1String(l.name))
            continue;
        const auto value = number(words, 2, l.low, l.high);
        if (!value)
            return error(QStringLiteral("%1 takes %2..%3").arg(kind).arg(l.low).arg(l.high));
        *l.value = *value;
        return ok;
    }
    return error(QStringLiteral("unknown fault: ") + kind);
}
