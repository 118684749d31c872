#include "FitLabel.h"

#include <QEvent>
#include <QLayout>

namespace {
// A label tells its parent's layout whenever its size hint changes: a new
// text, a new font. This layout places nothing; it only resizes the parent's
// FitLabels, so the window keeps its fixed positions.
class FitLabelLayout : public QLayout
{
public:
    using QLayout::QLayout;

    void invalidate() override
    {
        QLayout::invalidate();
        const QWidget *owner = parentWidget();
        for (FitLabel *label : owner->findChildren<FitLabel *>(Qt::FindDirectChildrenOnly))
            label->fit();
    }

    void addItem(QLayoutItem *item) override { delete item; }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    int count() const override { return 0; }
    QSize sizeHint() const override { return {}; }
};
} // namespace

FitLabel::FitLabel(QWidget *parent) : QLabel(parent)
{
    watchParent();
}

void FitLabel::watchParent()
{
    QWidget *owner = parentWidget();
    if (owner && !owner->layout())
        new FitLabelLayout(owner);
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
    case QEvent::Show:
        fit();
        break;
    default:
        break;
    }
    return handled;
}
