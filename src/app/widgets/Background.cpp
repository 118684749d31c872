#include "Background.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor editFace()
{
    return QApplication::palette().color(QPalette::Base);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setEditBackground(QWidget *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}
