#include "SheetPlacement.h"

#include <algorithm>

namespace print {

QRectF sheetTarget(const QSizeF &sheet, const QRectF &page)
{
    if (sheet.isEmpty() || page.isEmpty())
        return QRectF(page.topLeft(), QSizeF(0, 0));
    const qreal scale = std::min(page.width() / sheet.width(), page.height() / sheet.height());
    return QRectF(page.topLeft(), sheet * scale);
}

} // namespace print
