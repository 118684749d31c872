#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QMainWindow;
class QScreen;
class QScrollArea;
class WindowPlacement;

// Keeps every control of the main window reachable on a screen too small for
// its design: the content sits in a scroll area that shows bars only when
// the window is smaller than the content, and the placement fits the window
// to its screen again whenever the screen or its available area changes.
class ScreenFit : public QObject
{
    Q_OBJECT

public:
    ScreenFit(QMainWindow &window, WindowPlacement &placement);

    QScrollArea &scrollArea() const { return *m_scrollArea; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followScreen();

    QMainWindow &m_window;
    WindowPlacement &m_placement;
    QScrollArea *m_scrollArea;
    QPointer<QScreen> m_screen;
    QMetaObject::Connection m_areaChanged;
};
