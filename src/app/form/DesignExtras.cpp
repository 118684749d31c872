#include "DesignExtras.h"

#include "Background.h"
#include "DrawnIcon.h"
#include "LanguageTexts.h"
#include "TextFit.h"
#include "UpDown.h"
#include "WheelNeedsFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace {
constexpr int kWindowFontPixels = 11;
constexpr char kPixelSizeProperty[] = "fontPixelSize";
constexpr char kHintProperty[] = "hint";
constexpr char kIconNameProperty[] = "iconName";

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

// A button's icon by name: the desktop icon theme's where it has one, else
// the program's own drawing.
void applyIconNames(QWidget *window)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString name = button->property(kIconNameProperty).toString();
        if (!name.isEmpty())
            button->setIcon(QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : drawnIcon(name));
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
    applyIconNames(window);
    UpDown::pairWithEdits(window);
    TextFitLayout::installBelow(window);
    WheelNeedsFocus::installBelow(window);
}

void readIconTheme()
{
    // Any lookup reads the theme; this is the first button's icon.
    QIcon::hasThemeIcon(QStringLiteral("document-new"));
}
