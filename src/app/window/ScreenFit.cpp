#include "ScreenFit.h"

#include "WindowPlacement.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>

ScreenFit::ScreenFit(QMainWindow &window, WindowPlacement &placement)
    : QObject(&window), m_window(window), m_placement(placement),
      m_scrollArea(new QScrollArea(&window))
{
    QWidget *content = window.takeCentralWidget();
    m_scrollArea->setObjectName(QStringLiteral("ScrollAreaContent"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(content);
    // Where the whole window fits, it cannot be made smaller than its content, as before.
    m_scrollArea->setMinimumSize(content->minimumSize());
    window.setCentralWidget(m_scrollArea);
    placement.setFitObserver([this, content](bool whole) {
        m_scrollArea->setMinimumSize(whole ? content->minimumSize() : QSize(0, 0));
        // A lower minimum holds at once, before the placement makes the window smaller.
        if (!whole)
            m_window.layout()->activate();
    });
    window.installEventFilter(this);
    followScreen();
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::ScreenChangeInternal) {
        followScreen();
        m_placement.fitToScreen();
    }
    return QObject::eventFilter(watched, event);
}

void ScreenFit::followScreen()
{
    QScreen *screen = m_window.screen();
    if (screen == m_screen)
        return;
    disconnect(m_areaChanged);
    m_screen = screen;
    if (screen)
        m_areaChanged = connect(screen, &QScreen::availableGeometryChanged, this,
                                [this] { m_placement.fitToScreen(); });
}
