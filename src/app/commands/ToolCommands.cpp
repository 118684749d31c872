#include "ToolCommands.h"

#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "FileCommands.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HistoryDialog.h"
#include "MessageLine.h"
#include "PollCycle.h"
#include "SetHistory.h"
#include "SpinEdit.h"
#include "UnitInfo.h"
#include "WindowState.h"

#include <QStatusBar>

ToolCommands::ToolCommands(const Parts &parts, ParameterSet &parameters, const WindowState &state,
                           FormBinding &binding, FormEvents &events, PollCycle &link,
                           MessageLine &messageLine, FileCommands &files)
    : m_parts(parts), m_parameters(parameters), m_state(state), m_messageLine(messageLine),
      m_files(files)
{
    m_curveGraph = new CurveGraphWindow(m_parameters, m_state, link, &m_parts.window);
    const ControlTables &tables = binding.tables();
    m_curveGraph->graph().setRanges(
        {tables.RpmAdvEdits[0]->minimum(), tables.RpmAdvEdits[0]->maximum(),
         tables.AdvanceEdits[0]->minimum(), tables.AdvanceEdits[0]->maximum()});
    // A point dragged or moved by key is an edit of its two fields.
    connect(m_curveGraph, &CurveGraphWindow::pointEdited, &events, &FormEvents::CurvePointEdit);
    connect(&binding, &FormBinding::parameterSetShown, m_curveGraph, &CurveGraphWindow::refresh);

    m_history = std::make_unique<SetHistory>(
        HistoryFolder(ConfigPaths::historyFolder()),
        [this](const QString &text) { m_parts.statusBar.showMessage(text); });
    link.addListener(*this);
}

ToolCommands::~ToolCommands() = default;

void ToolCommands::openCurveGraph()
{
    m_curveGraph->open();
}

void ToolCommands::openHistory()
{
    HistoryDialog dialog(m_history->folder().entries(), m_state.language(), &m_parts.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_messageLine.hide();
    m_files.openFile(dialog.chosenPath());
}

void ToolCommands::sequenceEnded(const SequenceEnd &end)
{
    if (const std::optional<HistoryEvent> event = historyEventOf(end))
        recordHistory(*event);
}

// Page 0 of the image is the unit's own after a Read or a Program.
void ToolCommands::recordHistory(HistoryEvent event)
{
    m_history->record(m_parameters, decodeUnitInfo(m_parameters.page(0)).name, event,
                      m_state.language());
}
