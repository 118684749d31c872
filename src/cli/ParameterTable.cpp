#include "ParameterTable.h"

#include "IgnFile.h"
#include "ParameterComparison.h"
#include "ShownParameters.h"
#include "ToolTexts.h"

#include <QSet>

#include <algorithm>

namespace parametertable {

namespace {

// The command line speaks English only.
constexpr quint8 kEnglish = 0;
const QString kGap = QStringLiteral("  ");

using Row = QStringList;

// Left-aligned columns as wide as their widest cell, without trailing blanks.
QStringList aligned(const QList<Row> &rows)
{
    QList<int> widths;
    for (const Row &row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c == widths.size())
                widths.append(0);
            widths[c] = std::max(widths[c], int(row.at(c).size()));
        }
    }
    QStringList lines;
    for (const Row &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c)
            line += (c ? kGap : QString()) + row.at(c).leftJustified(widths.at(c));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
    }
    return lines;
}

// One row per parameter byte the file holds whose position is taken, in file
// order: its name, then its value in each set.
QList<Row> rowsOf(const QList<const ParameterSet *> &sets, const QSet<int> *positions)
{
    QList<Row> rows;
    for (const IgnFile::Key &key : IgnFile::keys()) {
        for (int number = 1; number <= key.count; ++number) {
            if (positions && !positions->contains(key.position + number - 1))
                continue;
            Row row{lang::shownName(kEnglish, key, number)};
            for (const ParameterSet *set : sets)
                row.append(lang::shownValue(*set, key, number, kEnglish));
            rows.append(row);
        }
    }
    return rows;
}

} // namespace

QStringList listing(const ParameterSet &image)
{
    return aligned(rowsOf({&image}, nullptr));
}

QStringList differences(const ParameterSet &a, const ParameterSet &b, const QString &nameA,
                        const QString &nameB)
{
    QSet<int> differing;
    for (const ParameterComparison::Difference &difference : ParameterComparison::compare(a, b))
        differing.insert(difference.position);
    if (differing.isEmpty())
        return {};
    QList<Row> rows{{lang::toolText(lang::Tool::ColumnParameter, kEnglish), nameA, nameB}};
    rows += rowsOf({&a, &b}, &differing);
    return aligned(rows);
}

} // namespace parametertable
