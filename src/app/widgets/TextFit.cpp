#include "TextFit.h"

#include "FitLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <functional>

namespace {
constexpr char kDesignFont[] = "textFitDesignFont";
constexpr char kDesignWidth[] = "textFitDesignWidth";
constexpr int kParentEdge = 2; // keeps text off the parent's frame
constexpr int kSmallestTextPixels = 7;
constexpr int kButtonFrame = 3; // frame and a pixel of air on each side of a button's text

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

// The largest font, up to the design font, in which the text needs no more than room.
void shrinkToFit(QWidget *widget, int room, const std::function<int(const QFontMetrics &)> &needed)
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
    const int extra = box->sizeHint().width() - textWidth(box->fontMetrics(), text);
    const int room = qMax(designWidth.toInt(), roomToParentEdge(box));
    shrinkToFit(box, room, [&](const QFontMetrics &m) { return extra + textWidth(m, text); });
    const int width =
        qBound(designWidth.toInt(), extra + textWidth(box->fontMetrics(), text), room);
    box->resize(width, box->height());
}

void fitPushButton(QPushButton *button)
{
    const QString text = button->text();
    shrinkToFit(button, button->width() - 2 * kButtonFrame,
                [&](const QFontMetrics &m) { return textWidth(m, text); });
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
    shrinkToFit(list, room, [list](const QFontMetrics &m) {
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = qMax(widest, m.horizontalAdvance(list->itemText(i)));
        return widest;
    });
}
bool fits(const QWidget *widget)
{
    return qobject_cast<const FitLabel *>(widget) || qobject_cast<const QCheckBox *>(widget) ||
           qobject_cast<const QPushButton *>(widget) || qobject_cast<const QComboBox *>(widget);
}
} // namespace

QFont fittedFont(QFont font, int room, const std::function<int(const QFontMetrics &)> &needed)
{
    int pixels = QFontInfo(font).pixelSize();
    for (; pixels > kSmallestTextPixels; --pixels) {
        font.setPixelSize(pixels);
        if (needed(QFontMetrics(font)) <= room)
            break;
    }
    font.setPixelSize(pixels);
    return font;
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
    fitChildren();
}

void TextFitLayout::fitChildren()
{
    // Fitting changes fonts and sizes, which ask for fitting again.
    if (m_fitting)
        return;
    m_fitting = true;
    for (QWidget *child : parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
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
