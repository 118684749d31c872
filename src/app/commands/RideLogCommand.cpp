#include "RideLogCommand.h"

#include "CurveGraphWindow.h"
#include "CurvePoint.h"
#include "FileCommands.h"
#include "FormBinding.h"
#include "LanguageCommands.h"
#include "RideLog.h"
#include "RideLogWindow.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include <algorithm>

RideLogCommand::RideLogCommand(QWidget &window, const ParameterSet &image,
                               const WindowState &state, FormBinding &binding,
                               CurveGraphWindow &curveGraph, FileCommands &files)
    : QObject(&window), m_window(window), m_image(image), m_state(state),
      m_curveGraph(curveGraph), m_files(files)
{
    // A new curve, a language change: the viewer shows them once it exists.
    connect(&binding, &FormBinding::parameterSetShown, this, [this] {
        if (m_viewer)
            m_viewer->refresh();
    });
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

RideLogCommand::~RideLogCommand() = default;

RideLogWindow &RideLogCommand::ensureViewer()
{
    if (!m_viewer) {
        m_viewer = new RideLogWindow(m_image, m_state, &m_window);
        if (m_fileDialog)
            setFileDialog(m_fileDialog);
        connect(m_viewer, &RideLogWindow::cursorAt, this, &RideLogCommand::showOnGraph);
        // Closed, the viewer gives the graph back to the live engine.
        connect(m_viewer, &RideLogWindow::closed, this,
                [this] { m_curveGraph.graph().setRecordedPoint(std::nullopt, std::nullopt); });
    }
    return *m_viewer;
}

void RideLogCommand::setFileDialog(std::function<QString(int, const QString &)> dialog)
{
    m_fileDialog = std::move(dialog);
    if (m_viewer && m_fileDialog) {
        m_viewer->setFileDialog([this](RideLogWindow::FileChoice choice, const QString &proposed) {
            return m_fileDialog(int(choice), proposed);
        });
    }
}

void RideLogCommand::MenuRideLogClick()
{
    RideLogWindow &viewer = ensureViewer();
    if (viewer.isVisible()) {
        viewer.open();
        return;
    }
    viewer.open();
    viewer.askToOpen();
}

void RideLogCommand::openRecording(const QString &path)
{
    RideLogWindow &viewer = ensureViewer();
    viewer.openFile(path);
    viewer.open();
}

bool RideLogCommand::openStartFile(const QStringList &arguments)
{
    const bool languageFirst =
        !arguments.isEmpty() && LanguageCommands::isLanguageWord(arguments.first());
    const QStringList rest = arguments.mid(languageFirst ? 1 : 0);
    if (rest.isEmpty() || !RideLogReader::fileLooksLikeRecording(rest.first()))
        return false;
    openRecording(QFileInfo(rest.first()).absoluteFilePath());
    return true;
}

void RideLogCommand::showOnGraph(int rpm, int advance)
{
    m_curveGraph.graph().setRecordedPoint(
        OperatingPoint{rpm, advance},
        nearestCurvePoint(m_image, quint16(std::clamp(rpm, 0, 65535))));
}

namespace {

QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile())
        return QString();
    return data->urls().first().toLocalFile();
}

} // namespace

bool RideLogCommand::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    if (event->type() == QEvent::DragEnter) {
        auto *drag = static_cast<QDragEnterEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return true;
        drop->acceptProposedAction();
        if (RideLogReader::fileLooksLikeRecording(path))
            openRecording(path);
        else
            m_files.openFile(path);
        return true;
    }
    return false;
}
