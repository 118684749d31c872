#pragma once

#include <QFont>
#include <QLayout>

#include <functional>

class QFontMetrics;

// The font at the largest pixel size, from font's own size down to the
// smallest readable one, at which needed(font) is no more than room.
QFont fittedFont(QFont font, int room, const std::function<int(const QFont &)> &needed);

// How a text's width is measured: as a button or label shows it (with its
// access key underlined), as a plain label shows it, or as one line's advance.
enum class TextMeasure
{
    Mnemonic,
    Plain,
    Advance
};

// The width of text in font, measured once per font and text: a language pass
// and every fitting ask again for the same texts, and the trial sizes of a
// text that needs shrinking are asked once.
int measuredWidth(const QFont &font, const QString &text, TextMeasure measure);

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

    // While one lives, the containers fit their texts once, when the last
    // one ends, instead of after every change: a language pass or a set
    // shown changes many texts of a container in a row.
    class Batch
    {
    public:
        Batch();
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
    };

    void addItem(QLayoutItem *item) override { delete item; }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    int count() const override { return 0; }
    QSize sizeHint() const override { return {}; }

private:
    using QLayout::QLayout;

    void fitChildren();

    bool m_fitting = false;
    bool m_waiting = false; // on the open batch's list
};
