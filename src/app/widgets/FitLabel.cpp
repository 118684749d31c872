#include "FitLabel.h"

#include "TextFit.h"

#include <QEvent>

FitLabel::FitLabel(QWidget *parent) : QLabel(parent)
{
    watchParent();
}

void FitLabel::fit()
{
    // Changing the wrap makes the label ask its parent's layout to fit again.
    if (m_fitting)
        return;
    m_fitting = true;
    const QMargins margins = contentsMargins();
    const int oneLine = measuredWidth(font(), text(), TextMeasure::Plain) + 2 * margin() +
                        margins.left() + margins.right();
    const int toEdge = parentWidget() ? roomToParentEdge(this) : oneLine;
    const int room = qMin(toEdge, maximumWidth());
    const bool wrap = oneLine > room && room > 0;
    if (wrap != wordWrap())
        setWordWrap(wrap);
    const QSize size = wrap ? QSize(room, heightForWidth(room)) : sizeHint();
    resize(size.expandedTo(minimumSize()));
    m_fitting = false;
}

void FitLabel::watchParent()
{
    if (parentWidget())
        TextFitLayout::on(parentWidget());
}

bool FitLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    switch (event->type()) {
    case QEvent::ParentChange:
        watchParent();
        fit();
        break;
    case QEvent::Polish:
        // A hidden label fits when it is shown.
        if (!isHidden())
            fit();
        break;
    case QEvent::Show:
        fit();
        break;
    default:
        break;
    }
    return handled;
}
