#include "ParameterTable.h"

#include "CompareRows.h"
#include "ToolTexts.h"

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

} // namespace

QStringList listing(const ParameterSet &image)
{
    QList<Row> rows;
    for (const CompareRow &row : compareRows(image, image, kEnglish))
        rows.append({row.name, row.window});
    return aligned(rows);
}

QStringList differences(const ParameterSet &a, const ParameterSet &b, const QString &nameA,
                        const QString &nameB)
{
    QList<Row> rows{{lang::toolText(lang::Tool::ColumnParameter, kEnglish), nameA, nameB}};
    for (const CompareRow &row : compareRows(a, b, kEnglish)) {
        if (row.differs)
            rows.append({row.name, row.window, row.other});
    }
    return rows.size() > 1 ? aligned(rows) : QStringList();
}

} // namespace parametertable
