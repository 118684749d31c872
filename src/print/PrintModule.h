#pragma once

#include "SheetPrinting.h"

#include <QObject>

// The printing module's entry: SheetPrinting through the framework's
// printing, on the destination defaultDestination() finds.
class PrintModule : public QObject, public print::SheetPrinting
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZEVRAS_SHEET_PRINTING_IID)
    Q_INTERFACES(print::SheetPrinting)

public:
    print::PrintReport printToDefault(QWidget &sheet) override;
};
