#pragma once

#include <QColor>

class QWidget;

// The system's button face, the normal background of the window and its labels.
QColor buttonFace();
// The system's background of edit fields.
QColor editFace();

// Fills a label's or check box's background with the colour.
void setBackground(QWidget *widget, const QColor &colour);
// Sets the background of an edit field.
void setEditBackground(QWidget *edit, const QColor &colour);
