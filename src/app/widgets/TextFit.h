#pragma once

#include <QFont>
#include <QLayout>

#include <functional>

class QFontMetrics;

// The font at the largest pixel size, from font's own size down to the
// smallest readable one, at which needed(metrics) is no more than room.
QFont fittedFont(QFont font, int room, const std::function<int(const QFontMetrics &)> &needed);

// Width from the widget's left edge to just inside its parent's right edge.
int roomToParentEdge(const QWidget *widget);

// Keeps the texts of a container readable whatever the language, while the
// controls keep their fixed positions. A child tells its parent's layout
// whenever its text or font changes; this layout places nothing and answers by
// fitting: FitLabels grow (or wrap at the parent's edge), check boxes grow up
// to the parent's edge, and push buttons, check boxes and lists that still lack
// room show their text in a smaller font.
class TextFitLayout : public QLayout
{
public:
    // The container's TextFitLayout, made when it has no layout yet; null when
    // another layout arranges it.
    static TextFitLayout *on(QWidget *container);

    // Fits every container below window. Call once the design fonts are set:
    // they are what a shrunken text returns to when its text gets shorter.
    static void installBelow(QWidget *window);

    void invalidate() override;

    void addItem(QLayoutItem *item) override { delete item; }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    int count() const override { return 0; }
    QSize sizeHint() const override { return {}; }

private:
    using QLayout::QLayout;

    void fitChildren();

    bool m_fitting = false;
};
