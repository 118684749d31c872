#include "HistoryFolder.h"

#include "FileAccess.h"
#include "IgnFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'");
const QString kUnknownUnit = QStringLiteral("unknown");

// Sorts like the time it names: fixed-width UTC time first.
const QRegularExpression kNamePattern(QStringLiteral(
    "^(\\d{8}T\\d{6}\\.\\d{3}Z)_([A-Za-z0-9.-]+)_(read|programmed|unconfirmed)\\.ign$"));

QString eventWord(HistoryEvent event)
{
    switch (event) {
    case HistoryEvent::Read:
        break;
    case HistoryEvent::Programmed:
        return QStringLiteral("programmed");
    case HistoryEvent::Unconfirmed:
        return QStringLiteral("unconfirmed");
    }
    return QStringLiteral("read");
}

// What the history keeps beside an entry's file: "X.ign" -> "X.note".
QString besidePath(const QString &ignPath, const char *suffix)
{
    return ignPath.left(ignPath.size() - 3) + QLatin1String(suffix);
}

const char *const kNoteSuffix = "note";
const char *const kReadAgainSuffix = "again";

int readAgainCount(const QString &ignPath)
{
    const auto text = fileaccess::readFile(besidePath(ignPath, kReadAgainSuffix));
    return text ? std::max(0, text->trimmed().toInt()) : 0;
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
    entry.event = HistoryEvent::Read;
    for (const HistoryEvent event : {HistoryEvent::Programmed, HistoryEvent::Unconfirmed}) {
        if (match.captured(3) == eventWord(event))
            entry.event = event;
    }
    return entry;
}

// A set of about 300 bytes and a listing of at most a few hundred names: quick
// enough to run on the window's thread right after a transaction.
bool HistoryFolder::record(const ParameterSet &set, const QString &unit, HistoryEvent event,
                           const QDateTime &when)
{
    if (event == HistoryEvent::Read && countReadAgain(set, unit))
        return true;
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

// The newest entry of the unit holds the same file text: a read of an
// unchanged set adds to its count instead of a file of its own.
bool HistoryFolder::countReadAgain(const ParameterSet &set, const QString &unit) const
{
    const QString name = safeUnitName(unit);
    const QStringList names = ownFileNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        const auto entry = parse(*it);
        if (!entry || entry->unit != name)
            continue;
        const QString path = m_folder + QLatin1Char('/') + *it;
        if (fileaccess::readFile(path) != IgnFile::parameterFileText(set))
            return false;
        return fileaccess::writeAtomically(besidePath(path, kReadAgainSuffix),
                                           QByteArray::number(readAgainCount(path) + 1) + '\n',
                                           fileaccess::Folder::MustExist);
    }
    return false;
}

void HistoryFolder::prune() const
{
    const QStringList names = ownFileNames();
    QDir folder(m_folder);
    for (qsizetype i = 0; i < names.size() - m_maxFiles; ++i) {
        const QString &name = names.at(i);
        folder.remove(name);
        folder.remove(besidePath(name, kNoteSuffix));
        folder.remove(besidePath(name, kReadAgainSuffix));
    }
}

bool HistoryFolder::setNote(const HistoryEntry &entry, const QString &note) const
{
    const QString path = besidePath(entry.path, kNoteSuffix);
    const QString kept = note.simplified();
    if (kept.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    return fileaccess::writeAtomically(path, kept.toUtf8() + '\n', fileaccess::Folder::MustExist);
}

bool HistoryFolder::holds(const QString &path) const
{
    const QFileInfo file(path);
    const QString inside = QFileInfo(file.absolutePath()).canonicalFilePath();
    const QString folder = QFileInfo(m_folder).canonicalFilePath();
    return !folder.isEmpty() && inside == folder;
}

QString HistoryEntry::shortLocalTime() const
{
    const QDateTime local = when.toLocalTime();
    if (!local.isValid())
        return QString();
    const QLocale locale;
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(local.time(), QLocale::ShortFormat);
}

QList<HistoryEntry> HistoryFolder::entries() const
{
    QList<HistoryEntry> list;
    const QStringList names = ownFileNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        if (auto entry = parse(*it)) {
            entry->path = m_folder + QLatin1Char('/') + *it;
            entry->readAgain = readAgainCount(entry->path);
            if (const auto note = fileaccess::readFile(besidePath(entry->path, kNoteSuffix)))
                entry->note = QString::fromUtf8(*note).simplified();
            list.append(*entry);
        }
    }
    return list;
}
