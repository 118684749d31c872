#include "ControlTables.h"

#include "SpinEdit.h"
#include "UpDown.h"

ControlTables ControlTables::build(const QWidget *window)
{
    ControlTables tables;
    for (int i = 0; i < ParameterSet::kCurvePoints; ++i) {
        const QString point = QString::number(i + 1);
        tables.RpmAdvEdits[i] = window->findChild<SpinEdit *>(QStringLiteral("EditRpmAdv") + point);
        tables.AdvanceEdits[i] =
            window->findChild<SpinEdit *>(QStringLiteral("EditAdvance") + point);
        tables.RpmAdvUpDowns[i] =
            window->findChild<UpDown *>(QStringLiteral("UpDownRpmAdv") + point);
        tables.AdvanceUpDowns[i] =
            window->findChild<UpDown *>(QStringLiteral("UpDownAdvance") + point);
        Q_ASSERT(tables.RpmAdvEdits[i] && tables.AdvanceEdits[i] && tables.RpmAdvUpDowns[i] &&
                 tables.AdvanceUpDowns[i]);
    }
    return tables;
}
