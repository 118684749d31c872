#include "Background.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// x to the power 2.4 for x in (0, 1], as x squared times the root y of
// y^5 = x^2, found by Newton's method from above. std::pow would be the only
// function of the maths library the window calls at start, and it alone would
// bring a quarter of a megabyte of the library's tables into memory.
double powerTwoPointFour(double x)
{
    const double square = x * x;
    double root = 1.0;
    for (int step = 0; step < 100; ++step) {
        const double fourth = root * root * root * root;
        const double next = root - (fourth * root - square) / (5.0 * fourth);
        if (next >= root)
            break;
        root = next;
    }
    return square * root;
}

// Relative luminance as the web's contrast rules define it.
double luminance(const QColor &colour)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : powerTwoPointFour((c + 0.055) / 1.055);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

void setColours(QWidget *widget, std::initializer_list<QPalette::ColorRole> back,
                std::initializer_list<QPalette::ColorRole> text, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : back)
            palette.setColor(group, role, colour);
        for (const auto role : text)
            palette.setColor(group, role, readableTextOn(colour));
    }
    widget->setPalette(palette);
}

// Keeps every colour set on the widget but those of the roles, so that it
// follows its parent in them again.
void inheritColours(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles)
{
    const QPalette current = widget->palette();
    QPalette kept;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (current.isBrushSet(group, role) &&
                std::find(roles.begin(), roles.end(), role) == roles.end())
                kept.setBrush(group, role, current.brush(group, role));
        }
    }
    widget->setPalette(kept);
}

} // namespace

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor editFace()
{
    return QApplication::palette().color(QPalette::Base);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextOn(const QColor &background)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

// A label fills with Window, a check box with Button; styles draw the texts
// of both with WindowText.
void setBackground(QWidget *widget, const QColor &colour)
{
    setColours(widget, {QPalette::Window, QPalette::Button},
               {QPalette::WindowText, QPalette::ButtonText}, colour);
    widget->setAutoFillBackground(true);
}

void clearBackground(QWidget *widget)
{
    widget->setAutoFillBackground(false);
    inheritColours(
        widget, {QPalette::Window, QPalette::Button, QPalette::WindowText, QPalette::ButtonText});
}

void setEditBackground(QWidget *edit, const QColor &colour)
{
    setColours(edit, {QPalette::Base}, {QPalette::Text}, colour);
}

void clearEditBackground(QWidget *edit)
{
    inheritColours(edit, {QPalette::Base, QPalette::Text});
}
