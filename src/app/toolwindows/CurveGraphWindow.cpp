#include "CurveGraphWindow.h"

#include "CurveEditBar.h"
#include "CurvePoint.h"
#include "MonitorValues.h"
#include "ParameterSet.h"
#include "PollCycle.h"
#include "SecondCurveChooser.h"
#include "SettingsFile.h"
#include "ToolTexts.h"
#include "WindowState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

bool onSomeScreen(const QRect &bounds)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(bounds))
            return true;
    }
    return false;
}

} // namespace

std::optional<OperatingPoint> operatingPointOf(const MonitorValues &values, int baseAdvance)
{
    if (!values.pickup)
        return std::nullopt;
    return OperatingPoint{values.engineSpeed,
                          values.basicAdvance ? baseAdvance : values.advanceNow};
}

CurveGraphWindow::CurveGraphWindow(const ParameterSet &image, const WindowState &state,
                                   PollCycle &link, QWidget *parent)
    : QWidget(parent, Qt::Window), m_image(image), m_state(state), m_link(link)
{
    setObjectName(QStringLiteral("FormCurveGraph"));
    m_graph = new CurveGraph(image, this);
    m_graph->setObjectName(QStringLiteral("CurveGraph"));
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("LabelCurveGraphHint"));
    m_hint->setWordWrap(true);
    m_editBar = new CurveEditBar(*m_graph, this);
    m_secondCurve = new SecondCurveChooser(*m_graph, image, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editBar);
    layout->addWidget(m_graph, 1);
    layout->addWidget(m_secondCurve);
    layout->addWidget(m_hint);
    connect(m_graph, &CurveGraph::pointEdited, this, &CurveGraphWindow::pointEdited);
    connect(&m_state, &WindowState::languageChanged, this, &CurveGraphWindow::refresh);
    link.addListener(*this);
    refresh();
}

void CurveGraphWindow::refresh()
{
    using lang::Tool;
    const auto text = [this](Tool tool) { return lang::toolText(tool, m_state.language()); };
    setWindowTitle(text(Tool::CurveGraphTitle));
    m_hint->setText(text(Tool::CurveGraphHint) + QLatin1Char('\n') + text(Tool::CurveRangeHint));
    m_editBar->setLanguage(m_state.language());
    m_editBar->refresh();
    m_secondCurve->setLanguage(m_state.language());
    m_graph->setTexts(text(Tool::EngineSpeedAxis), text(Tool::AdvanceAxis), text(Tool::BaseAdvance),
                      text(Tool::StartLimiter), text(Tool::Limiter));
    m_graph->update();
}

void CurveGraphWindow::open()
{
    if (!m_placed)
        placeBesideParent();
    show();
    raise();
    activateWindow();
}

// Right of the main window where the screen has room, else left of it, below
// or above it; where none has room, the place on the screen that covers the
// least of the main window (its frame counted, as the window manager adds one).
void CurveGraphWindow::placeBesideParent()
{
    m_placed = true;
    const QWidget *main = parentWidget();
    const QScreen *screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (!main || !screen)
        return;
    resize(sizeHint().expandedTo(QSize(560, 400)));
    const QRect area = screen->availableGeometry();
    const QRect beside = main->frameGeometry();
    const QSize frame = beside.size() - main->geometry().size();
    const QSize outer = size() + frame;
    const int gap = 8;
    const auto inArea = [&](QPoint at) {
        return QPoint(std::clamp(at.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - outer.width())),
                      std::clamp(at.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - outer.height())));
    };
    const QPoint candidates[] = {
        {beside.right() + 1 + gap, beside.top()},
        {beside.left() - gap - outer.width(), beside.top()},
        {beside.left(), beside.bottom() + 1 + gap},
        {beside.left(), beside.top() - gap - outer.height()},
        {area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height()},
        {area.left(), area.bottom() + 1 - outer.height()},
    };
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint &candidate : candidates) {
        const QPoint at = inArea(candidate);
        const QRect covered = QRect(at, outer).intersected(beside);
        const qint64 coveredArea =
            covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || coveredArea < leastCovered) {
            leastCovered = coveredArea;
            best = at;
        }
    }
    move(best);
}

void CurveGraphWindow::restore(const ToolWindowSettings &settings)
{
    if (!settings.left || !settings.top || !settings.width || !settings.height)
        return;
    const QRect bounds(*settings.left, *settings.top, *settings.width, *settings.height);
    if (bounds.isEmpty() || !onSomeScreen(bounds))
        return;
    setGeometry(bounds);
    m_placed = true;
}

// A window never placed (never opened, and nothing restored) has nothing to
// keep, so a user who never opens it finds no section of its own.
ToolWindowSettings CurveGraphWindow::settings() const
{
    ToolWindowSettings settings;
    if (!m_placed)
        return settings;
    const QRect bounds = geometry();
    settings.left = bounds.x();
    settings.top = bounds.y();
    settings.width = bounds.width();
    settings.height = bounds.height();
    settings.open = isVisible();
    return settings;
}

void CurveGraphWindow::restoreFrom(const Settings &settings)
{
    restore(settings.curveGraph);
    if (settings.curveGraph.open.value_or(false))
        QMetaObject::invokeMethod(this, &CurveGraphWindow::open, Qt::QueuedConnection);
}

void CurveGraphWindow::keepIn(Settings &settings) const
{
    settings.curveGraph = this->settings();
}

void CurveGraphWindow::statusTaken(const MonitorValues &values)
{
    m_graph->setOperatingPoint(operatingPointOf(values, m_image.baseAdv()));
}

// The point in use as the window's row has it: nearest to the last speed,
// every tick, so that an edit of the curve moves it at once. Without a
// connection the engine is no longer known.
void CurveGraphWindow::tickEnded()
{
    m_graph->setCurrentPoint(nearestCurvePoint(m_image, m_link.engineSpeed()));
    if (m_link.noConnection())
        m_graph->setOperatingPoint(std::nullopt);
}
