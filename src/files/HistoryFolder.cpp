#include "HistoryFolder.h"

#include "FileAccess.h"
#include "IgnFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'");
const QString kUnknownUnit = QStringLiteral("unknown");

// Sorts like the time it names: fixed-width UTC time first.
const QRegularExpression kNamePattern(
    QStringLiteral("^(\\d{8}T\\d{6}\\.\\d{3}Z)_([A-Za-z0-9.-]+)_(read|programmed)\\.ign$"));

QString eventWord(HistoryEvent event)
{
    return event == HistoryEvent::Read ? QStringLiteral("read") : QStringLiteral("programmed");
}

QString safeUnitName(const QString &unit)
{
    QString safe;
    for (const QChar c : unit.trimmed()) {
        const bool plain = c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           c == QLatin1Char('.') || c == QLatin1Char('-');
        safe.append(plain ? c : QLatin1Char('-'));
    }
    return safe.isEmpty() ? kUnknownUnit : safe;
}

} // namespace

HistoryFolder::HistoryFolder(QString folder, int maxFiles)
    : m_folder(std::move(folder)), m_maxFiles(maxFiles)
{
}

QString HistoryFolder::fileName(const QDateTime &when, const QString &unit, HistoryEvent event)
{
    return when.toUTC().toString(kTimeFormat) + QLatin1Char('_') + safeUnitName(unit) +
           QLatin1Char('_') + eventWord(event) + QStringLiteral(".ign");
}

std::optional<HistoryEntry> HistoryFolder::parse(const QString &fileName)
{
    const QRegularExpressionMatch match = kNamePattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    QDateTime when = QDateTime::fromString(match.captured(1), kTimeFormat);
    if (!when.isValid())
        return std::nullopt;
    when.setTimeSpec(Qt::UTC);
    HistoryEntry entry;
    entry.path = fileName;
    entry.when = when;
    entry.unit = match.captured(2);
    entry.event = match.captured(3) == eventWord(HistoryEvent::Read) ? HistoryEvent::Read
                                                                     : HistoryEvent::Programmed;
    return entry;
}

// A set of about 300 bytes and a listing of at most a few hundred names: quick
// enough to run on the window's thread right after a transaction.
bool HistoryFolder::record(const ParameterSet &set, const QString &unit, HistoryEvent event,
                           const QDateTime &when)
{
    // Two events within one millisecond keep both files.
    QDateTime stamp = when.toUTC();
    QString path = m_folder + QLatin1Char('/') + fileName(stamp, unit, event);
    for (int tries = 0; QFileInfo::exists(path) && tries < 1000; ++tries) {
        stamp = stamp.addMSecs(1);
        path = m_folder + QLatin1Char('/') + fileName(stamp, unit, event);
    }
    if (!fileaccess::writeAtomically(path, IgnFile::parameterFileText(set),
                                     fileaccess::Folder::Create))
        return false;
    prune();
    return true;
}

QStringList HistoryFolder::ownFileNames() const
{
    QStringList names;
    const QStringList all =
        QDir(m_folder).entryList({QStringLiteral("*.ign")}, QDir::Files, QDir::Name);
    for (const QString &name : all) {
        if (kNamePattern.match(name).hasMatch())
            names.append(name);
    }
    return names;
}

void HistoryFolder::prune() const
{
    const QStringList names = ownFileNames();
    QDir folder(m_folder);
    for (qsizetype i = 0; i < names.size() - m_maxFiles; ++i)
        folder.remove(names.at(i));
}

QList<HistoryEntry> HistoryFolder::entries() const
{
    QList<HistoryEntry> list;
    const QStringList names = ownFileNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        if (auto entry = parse(*it)) {
            entry->path = m_folder + QLatin1Char('/') + *it;
            list.append(*entry);
        }
    }
    return list;
}
