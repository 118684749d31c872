#include "ToolCommands.h"

#include "ConfigPaths.h"
#include "CurveEditBar.h"
#include "CurveGraphWindow.h"
#include "CurveRangeEdit.h"
#include "FileCommands.h"
#include "FileDialog.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HistoryDialog.h"
#include "MessageLine.h"
#include "PollCycle.h"
#include "SecondCurveChooser.h"
#include "SetHistory.h"
#include "SpinEdit.h"
#include "ToolTexts.h"
#include "TuningTools.h"
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
    // So is each of its range edits.
    m_rangeEdit = new CurveRangeEdit(binding, events, this);
    const CurveEditBar *bar = &m_curveGraph->editBar();
    connect(bar, &CurveEditBar::shiftAsked, m_rangeEdit, &CurveRangeEdit::shiftRange);
    connect(bar, &CurveEditBar::scaleAsked, m_rangeEdit, &CurveRangeEdit::scaleRange);
    connect(bar, &CurveEditBar::smoothAsked, m_rangeEdit, &CurveRangeEdit::smoothRange);
    connect(bar, &CurveEditBar::insertAsked, m_rangeEdit, &CurveRangeEdit::insertPoint);
    connect(bar, &CurveEditBar::deleteAsked, m_rangeEdit, &CurveRangeEdit::deletePoint);

    m_history = std::make_unique<SetHistory>(
        HistoryFolder(ConfigPaths::historyFolder()),
        [this](const QString &text) { m_parts.statusBar.showMessage(text); });
    link.addListener(*this);
    setSecondCurveSources(nullptr);
}

ToolCommands::~ToolCommands() = default;

void ToolCommands::readUnitWith(TuningTools &tools)
{
    setSecondCurveSources(&tools);
}

// The second curve's file and history entry are chosen as Open and History choose them.
void ToolCommands::setSecondCurveSources(TuningTools *tools)
{
    SecondCurveChooser::Sources sources;
    sources.file = [this] {
        const QString path =
            askForParameterFile(m_curveGraph, FileDialogKind::Open, m_lastSecondCurveFile);
        if (!path.isEmpty())
            m_lastSecondCurveFile = path;
        return path;
    };
    sources.historyEntry = [this] {
        HistoryDialog dialog(m_history->folder().entries(), m_state.language(), m_curveGraph);
        return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
    };
    if (tools) {
        sources.unit = [this, tools](const SecondCurveChooser::UnitSetTaken &taken) {
            tools->readUnitSet(taken,
                               lang::toolText(lang::Tool::SecondCurveBusy, m_state.language()));
        };
    }
    m_curveGraph->secondCurve().setSources(std::move(sources));
}

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
