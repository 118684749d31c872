#include "PathLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

QString PathLabel::shownText() const
{
    const int room = contentsRect().width() - fontMetrics().horizontalAdvance(m_mark);
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, std::max(0, room)) + m_mark;
}

void PathLabel::setMark(const QString &mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    update();
}

void PathLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

bool PathLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !toolTip().isEmpty())
        return QLabel::event(event);
    if (text().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
    return true;
}
