#pragma once

#include <QRectF>
#include <QSizeF>

namespace print {

// Where a sheet of the given size lands on the printable page: scaled up or
// down until it meets the page's width or height, its proportions kept, at
// the page's top-left corner. An empty sheet yields an empty rectangle there.
QRectF sheetTarget(const QSizeF &sheet, const QRectF &page);

} // namespace print
