#include "CompareRows.h"

#include "IgnFile.h"
#include "ParameterComparison.h"
#include "ShownParameters.h"

#include <QSet>

#include <algorithm>

QList<CompareRow> compareRows(const ParameterSet &window, const ParameterSet &other,
                              quint8 language, const QStringList &bikeNames)
{
    QSet<int> differing;
    for (const ParameterComparison::Difference &difference :
         ParameterComparison::compare(window, other))
        differing.insert(difference.position);

    QList<CompareRow> rows;
    for (const IgnFile::Key &key : IgnFile::keys()) {
        for (int i = 0; i < key.count; ++i) {
            const int position = key.position + i;
            rows.append({lang::shownName(language, key, i + 1),
                         lang::shownValue(window, key, i + 1, language, bikeNames),
                         lang::shownValue(other, key, i + 1, language, bikeNames),
                         differing.contains(position)});
        }
    }
    return rows;
}

int differenceCount(const QList<CompareRow> &rows)
{
    return int(std::count_if(rows.cbegin(), rows.cend(),
                             [](const CompareRow &row) { return row.differs; }));
}
