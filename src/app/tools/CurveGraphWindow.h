#pragma once

#include "CurveGraph.h"

#include <QWidget>

class ParameterSet;
class QLabel;
struct ToolWindowSettings;

// The advance curve graph in a window of its own beside the main window,
// not modal. It shows the image in the texts of the window's language and
// passes edits of its points on as pointEdited.
class CurveGraphWindow : public QWidget
{
    Q_OBJECT

public:
    // image and language belong to the main window (parent), which outlives this one.
    CurveGraphWindow(const ParameterSet &image, const quint8 &language, QWidget *parent);

    CurveGraph &graph() { return *m_graph; }

    // Shows the image again in the present language; call after every show of the image.
    void refresh();

    // Opens the window and brings it to the front; placed beside the main
    // window the first time, unless settings placed it.
    void open();

    // Where the settings put it; a place off every screen is left for open() to choose.
    void restore(const ToolWindowSettings &settings);
    // Empty until the window has a place.
    ToolWindowSettings settings() const;

signals:
    void pointEdited(int index, int rpm, int advance);

private:
    void placeBesideParent();

    const ParameterSet &m_image;
    const quint8 &m_language;
    CurveGraph *m_graph = nullptr;
    QLabel *m_hint = nullptr;
    bool m_placed = false;
};
