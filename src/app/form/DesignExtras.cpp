#include "DesignExtras.h"

#include "Background.h"
#include "LanguageTexts.h"
#include "TextFit.h"
#include "UpDown.h"
#include "WheelNeedsFocus.h"

#include <QApplication>
#include <QWidget>

namespace {
constexpr int kWindowFontPixels = 11;
constexpr char kPixelSizeProperty[] = "fontPixelSize";
constexpr char kHintProperty[] = "hint";

void applyPixelFonts(QWidget *window)
{
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kWindowFontPixels);
    window->setFont(font);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QVariant pixels = widget->property(kPixelSizeProperty);
        if (!pixels.isValid())
            continue;
        QFont own = widget->font();
        own.setPixelSize(pixels.toInt());
        widget->setFont(own);
    }
}

void applyDesignHints(QWidget *window)
{
    for (QObject *object : window->findChildren<QObject *>()) {
        const QVariant hint = object->property(kHintProperty);
        if (hint.isValid())
            lang::setHint(object, hint.toString());
    }
}
} // namespace

namespace {
// The logo's lettering is dark, drawn for a light window: on a dark desktop
// it keeps a white ground of its own.
void keepLogoReadable(QWidget *window)
{
    auto *logo = window->findChild<QWidget *>(QStringLiteral("ImageLogo"));
    if (logo && window->palette().color(QPalette::Window).lightnessF() < 0.5)
        setBackground(logo, QColor(255, 255, 255));
}
} // namespace

void applyDesignExtras(QWidget *window)
{
    keepLogoReadable(window);
    applyPixelFonts(window);
    applyDesignHints(window);
    UpDown::pairWithEdits(window);
    TextFitLayout::installBelow(window);
    WheelNeedsFocus::installBelow(window);
}
