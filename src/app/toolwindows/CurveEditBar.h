#pragma once

#include <QToolBar>

class CurveGraph;
class QSpinBox;
class QToolButton;

// The graph's range edits as a row of buttons: one degree less or more, a
// percentage, smoothing, inserting and deleting a point. Each asks for its
// edit on the graph's range; the window's edit path carries it out. A tool
// bar, so that a narrow window keeps the buttons that do not fit in its menu.
class CurveEditBar : public QToolBar
{
    Q_OBJECT

public:
    CurveEditBar(CurveGraph &graph, QWidget *parent = nullptr);

    void setLanguage(quint8 language);
    // The buttons that cannot act on the curve as it stands are disabled.
    void refresh();

signals:
    void shiftAsked(int first, int last, int step);
    void scaleAsked(int first, int last, int percent);
    void smoothAsked(int first, int last);
    void insertAsked(int after);
    void deleteAsked(int index);

private:
    QToolButton *addButton(const char *objectName);

    CurveGraph &m_graph;
    QToolButton *m_minus, *m_plus, *m_scale, *m_smooth, *m_insert, *m_delete;
    QSpinBox *m_percent;
};
