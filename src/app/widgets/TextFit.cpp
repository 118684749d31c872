#include "TextFit.h"

#include "FitLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <functional>
#include <utility>

namespace {
constexpr char kDesignFont[] = "textFitDesignFont";
constexpr char kDesignWidth[] = "textFitDesignWidth";
constexpr int kParentEdge = 2; // keeps text off the parent's frame
constexpr int kSmallestTextPixels = 7;
constexpr int kButtonFrame = 3; // frame and a pixel of air on each side of a button's text

// Live values pass through the labels too: the cache starts afresh once it
// holds this many texts, so it stays small however long the program runs.
constexpr int kMostMeasuredTexts = 4096;

int textWidth(const QFont &font, const QString &text)
{
    return measuredWidth(font, text, TextMeasure::Mnemonic);
}

int batchDepth = 0;
QList<QPointer<QWidget>> &waitingContainers()
{
    static QList<QPointer<QWidget>> containers;
    return containers;
}

// The largest font, up to the design font, in which the text needs no more than room.
void shrinkToFit(QWidget *widget, int room, const std::function<int(const QFont &)> &needed)
{
    const QVariant design = widget->property(kDesignFont);
    if (!design.isValid())
        return;
    const QFont font = fittedFont(design.value<QFont>(), room, needed);
    if (widget->font() != font)
        widget->setFont(font);
}

void fitCheckBox(QCheckBox *box)
{
    const QVariant designWidth = box->property(kDesignWidth);
    if (!designWidth.isValid())
        return;
    const QString text = box->text();
    // Indicator and spacing: the part of the size hint that is not text.
    const int extra = box->sizeHint().width() - textWidth(box->font(), text);
    const int room = qMax(designWidth.toInt(), roomToParentEdge(box));
    shrinkToFit(box, room, [&](const QFont &font) { return extra + textWidth(font, text); });
    const int width = qBound(designWidth.toInt(), extra + textWidth(box->font(), text), room);
    box->resize(width, box->height());
}

void fitPushButton(QPushButton *button)
{
    const QString text = button->text();
    shrinkToFit(button, button->width() - 2 * kButtonFrame,
                [&](const QFont &font) { return textWidth(font, text); });
}

void fitComboBox(QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int room =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width() -
        2 * kButtonFrame;
    shrinkToFit(list, room, [list](const QFont &font) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = qMax(widest, measuredWidth(font, list->itemText(i), TextMeasure::Advance));
        return widest;
    });
}
bool fits(const QWidget *widget)
{
    return qobject_cast<const FitLabel *>(widget) || qobject_cast<const QCheckBox *>(widget) ||
           qobject_cast<const QPushButton *>(widget) || qobject_cast<const QComboBox *>(widget);
}
} // namespace

QFont fittedFont(QFont font, int room, const std::function<int(const QFont &)> &needed)
{
    int pixels = QFontInfo(font).pixelSize();
    for (; pixels > kSmallestTextPixels; --pixels) {
        font.setPixelSize(pixels);
        if (needed(font) <= room)
            break;
    }
    font.setPixelSize(pixels);
    return font;
}

int measuredWidth(const QFont &font, const QString &text, TextMeasure measure)
{
    static QHash<QFont, QHash<QString, int>> widths[3];
    static int measured = 0;
    QHash<QString, int> &known = widths[int(measure)][font];
    if (const auto width = known.constFind(text); width != known.cend())
        return *width;
    const QFontMetrics metrics(font);
    int width = 0;
    switch (measure) {
    case TextMeasure::Mnemonic:
        width = metrics.size(Qt::TextShowMnemonic, text).width();
        break;
    case TextMeasure::Plain:
        width = metrics.size(0, text).width();
        break;
    case TextMeasure::Advance:
        width = metrics.horizontalAdvance(text);
        break;
    }
    if (++measured > kMostMeasuredTexts) {
        for (QHash<QFont, QHash<QString, int>> &cache : widths)
            cache.clear();
        measured = 1;
        widths[int(measure)][font].insert(text, width);
    } else {
        known.insert(text, width);
    }
    return width;
}

int roomToParentEdge(const QWidget *widget)
{
    return widget->parentWidget()->width() - widget->x() - kParentEdge;
}

TextFitLayout *TextFitLayout::on(QWidget *container)
{
    if (!container->layout())
        return new TextFitLayout(container);
    return dynamic_cast<TextFitLayout *>(container->layout());
}

void TextFitLayout::installBelow(QWidget *window)
{
    QList<QWidget *> containers;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!fits(widget))
            continue;
        widget->setProperty(kDesignFont, widget->font());
        widget->setProperty(kDesignWidth, widget->width());
        // A list's new item texts do not reach the parent's layout by themselves.
        if (auto *list = qobject_cast<QComboBox *>(widget))
            QObject::connect(list->model(), &QAbstractItemModel::dataChanged, list,
                             [list] { fitComboBox(list); });
        if (!containers.contains(widget->parentWidget()))
            containers << widget->parentWidget();
    }
    for (QWidget *container : containers) {
        if (TextFitLayout *layout = on(container))
            layout->fitChildren();
    }
}

void TextFitLayout::invalidate()
{
    QLayout::invalidate();
    if (batchDepth == 0) {
        fitChildren();
    } else if (!m_waiting) {
        m_waiting = true;
        waitingContainers() << parentWidget();
    }
}

TextFitLayout::Batch::Batch()
{
    ++batchDepth;
}

TextFitLayout::Batch::~Batch()
{
    if (--batchDepth > 0)
        return;
    for (const QPointer<QWidget> &container : std::exchange(waitingContainers(), {})) {
        if (!container)
            continue;
        if (auto *layout = dynamic_cast<TextFitLayout *>(container->layout())) {
            layout->m_waiting = false;
            layout->fitChildren();
        }
    }
}

void TextFitLayout::fitChildren()
{
    // Fitting changes fonts and sizes, which ask for fitting again.
    if (m_fitting)
        return;
    m_fitting = true;
    for (QWidget *child : parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // A hidden control fits when it is shown: showing asks the layout again.
        if (child->isHidden())
            continue;
        if (auto *label = qobject_cast<FitLabel *>(child))
            label->fit();
        else if (auto *box = qobject_cast<QCheckBox *>(child))
            fitCheckBox(box);
        else if (auto *button = qobject_cast<QPushButton *>(child))
            fitPushButton(button);
        else if (auto *list = qobject_cast<QComboBox *>(child))
            fitComboBox(list);
    }
    m_fitting = false;
}
