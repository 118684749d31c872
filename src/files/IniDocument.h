#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// A profile (INI) file kept line by line, so that sections, keys and comments
// the program does not know survive a rewrite. Section and key names match
// regardless of case, as the Windows profile service matches them; a value is
// the raw text after the first '=' of its line.
class IniDocument
{
public:
    using Entry = std::pair<QString, QString>;

    // Line ends of either kind; leading UTF-8 byte order marks are dropped.
    explicit IniDocument(const QString &text = QString());

    // The first entry of the key in the first section of that name.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Every entry of the first section of that name, in file order.
    QList<Entry> entries(QStringView section) const;

    // Puts the entries at the head of the section, in the given order, and
    // drops the earlier entries of those keys; the section's other lines
    // follow unchanged. A missing section is added at the end. Line breaks in
    // a value become spaces so that a value can never split the file.
    void setEntriesFirst(const QString &section, const QList<Entry> &entries);

    // Every line ended with lineEnd, the last one included.
    QString text(QStringView lineEnd) const;

private:
    struct Section
    {
        qsizetype header; // index of the "[name]" line
        qsizetype end;    // one past the section's last line
    };

    std::optional<Section> findSection(QStringView name) const;

    QStringList m_lines;
};
