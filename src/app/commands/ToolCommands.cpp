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
#include "PathLabel.h"
#include "PollCycle.h"
#include "SecondCurveChooser.h"
#include "SetHistory.h"
#include "SetMarks.h"
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
      m_files(files), m_link(link),
      m_storing([this](HistoryEvent event, const ParameterSet &set) { recordHistory(event, set); })
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
    m_files.setHistoryFolder(m_history->folder());
    link.addListener(*this);
    setSecondCurveSources(nullptr);

    m_marks = std::make_unique<SetMarks>(m_parts.window, m_parts.fileLine, m_parameters, m_state);
    m_files.setFileMatched([this] { m_marks->fileMatched(); });
    connect(&binding, &FormBinding::parameterSetShown, this, [this] { m_marks->refresh(); });
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
        QString path =
            askForParameterFile(m_curveGraph, FileDialogKind::Open, m_lastSecondCurveFile);
        if (!path.isEmpty())
            m_lastSecondCurveFile = path;
        return path;
    };
    sources.historyEntry = [this] {
        HistoryDialog dialog(m_history->folder(), m_state.language(), m_curveGraph);
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
    HistoryDialog dialog(m_history->folder(), m_state.language(), &m_parts.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<HistoryEntry> &chosen = dialog.chosen();
    if (chosen.size() == 2)
        return compareEntries(chosen.at(0), chosen.at(1));
    if (chosen.size() != 1)
        return;
    m_messageLine.hide();
    m_files.openHistoryEntry(chosen.first());
}

// Bytes a file lacks are taken from the window's set, as Open does; the
// columns are headed by date, unit and note.
void ToolCommands::compareEntries(const HistoryEntry &first, const HistoryEntry &second)
{
    if (!m_compareSets)
        return;
    const auto name = [](const HistoryEntry &entry) {
        QString text = entry.shortLocalTime() + QLatin1Char(' ') + entry.unit;
        if (!entry.note.isEmpty())
            text += QStringLiteral(" (") + entry.note + QLatin1Char(')');
        return text;
    };
    const auto a = m_files.readSet(first.path);
    const auto b = a ? m_files.readSet(second.path) : std::nullopt;
    if (b)
        m_compareSets(*a, name(first), *b, name(second));
}

// A programmed set counts as kept only once the unit has stored it; a Read,
// Program or Verify that ended well means the unit holds the window's set.
void ToolCommands::sequenceEnded(const SequenceEnd &end)
{
    const std::optional<HistoryEvent> event = historyEventOf(end);
    if (event == HistoryEvent::Programmed) {
        m_storing.programmed(m_parameters);
    } else {
        m_storing.interrupted();
        if (event)
            recordHistory(*event, m_parameters);
    }
    if (end.outcome == Outcome::Ok && end.sequence != SequenceKind::ReadOnly)
        m_marks->unitHolds();
}

void ToolCommands::idleStep()
{
    m_storing.countdownReported(m_link.saveCountdown());
}

void ToolCommands::tickEnded()
{
    if (m_link.noConnection())
        m_storing.interrupted();
}

void ToolCommands::portLost(const QString &)
{
    m_storing.interrupted();
}

// Page 0 of a set read or programmed is the unit's own.
void ToolCommands::recordHistory(HistoryEvent event, const ParameterSet &set)
{
    m_history->record(set, decodeUnitInfo(set.page(0)).name, event, m_state.language());
}
