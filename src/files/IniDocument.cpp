#include "IniDocument.h"

namespace {

std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.sliced(1, close - 1).trimmed();
}

// The position of the '=' that ends the key, or -1 for lines that hold no
// entry (comments, blank lines, stray text).
qsizetype equalsSign(QStringView line)
{
    if (line.trimmed().startsWith(u';'))
        return -1;
    return line.indexOf(u'=');
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::IniDocument(const QString &text)
{
    QString content = text;
    // Every mark goes, not just the first: the file is written back without
    // one, and a second mark left in front of a section name would hide the
    // section now but not after the rewrite.
    while (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    if (content.isEmpty())
        return;
    m_lines = content.split(u'\n');
    if (content.endsWith(u'\n'))
        m_lines.removeLast();
    // Every CR before the LF goes: a CR LF file converted once more ends its
    // lines in CR CR LF, and a CR kept in a value would not survive a rewrite.
    for (QString &line : m_lines) {
        while (line.endsWith(u'\r'))
            line.chop(1);
    }
}

std::optional<IniDocument::Section> IniDocument::findSection(QStringView name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto found = sectionName(m_lines[i]);
        if (!found || !sameName(*found, name))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end]))
            ++end;
        return Section{i, end};
    }
    return std::nullopt;
}

QList<IniDocument::Entry> IniDocument::entries(QStringView section) const
{
    QList<Entry> result;
    const auto range = findSection(section);
    if (!range)
        return result;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const QString &line = m_lines[i];
        const qsizetype sign = equalsSign(line);
        if (sign >= 0)
            result.append({line.left(sign).trimmed(), line.mid(sign + 1)});
    }
    return result;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    for (const Entry &entry : entries(section)) {
        if (sameName(entry.first, key))
            return entry.second;
    }
    return std::nullopt;
}

void IniDocument::setEntriesFirst(const QString &section, const QList<Entry> &entries)
{
    auto range = findSection(section);
    if (!range) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section + u']');
        range = Section{m_lines.size() - 1, m_lines.size()};
    }

    const auto isReplaced = [&](const QString &line) {
        const qsizetype sign = equalsSign(line);
        if (sign < 0)
            return false;
        const QStringView key = QStringView(line).left(sign).trimmed();
        for (const Entry &entry : entries) {
            if (sameName(entry.first, key))
                return true;
        }
        return false;
    };

    QStringList body;
    for (const Entry &entry : entries) {
        QString value = entry.second;
        value.replace(u'\r', u' ').replace(u'\n', u' ');
        body.append(entry.first + u'=' + value);
    }
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        if (!isReplaced(m_lines[i]))
            body.append(m_lines[i]);
    }
    m_lines = m_lines.mid(0, range->header + 1) + body + m_lines.mid(range->end);
}

QString IniDocument::text(QStringView lineEnd) const
{
    QString result;
    for (const QString &line : m_lines) {
        result += line;
        result += lineEnd;
    }
    return result;
}
