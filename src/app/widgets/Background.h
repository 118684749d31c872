#pragma once

#include <QColor>

class QWidget;

// The system's button face, the normal background of the window and its labels.
QColor buttonFace();
// The system's background of edit fields.
QColor editFace();

// Black or white, whichever reads better on the background: the design gives
// a coloured control its background and leaves the text to the system, whose
// text is white on a dark desktop.
QColor readableTextOn(const QColor &background);
// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// Fills a label's or check box's whole background with the colour, with a
// text colour that reads on it.
void setBackground(QWidget *widget, const QColor &colour);
// Gives the widget back the look of what lies beneath: no fill, and the
// colours it inherits (nothing of the last colour stays, not even an outline).
void clearBackground(QWidget *widget);
// Sets the background of an edit field, with a text colour that reads on it.
void setEditBackground(QWidget *edit, const QColor &colour);
// Gives an edit field back the system's colours.
void clearEditBackground(QWidget *edit);
