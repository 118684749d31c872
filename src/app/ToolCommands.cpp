#include "ToolCommands.h"

#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "FileCommands.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HistoryDialog.h"
#include "LinkPresenter.h"
#include "MessageLine.h"
#include "SetHistory.h"
#include "SpinEdit.h"
#include "ToolLinkWatch.h"
#include "UnitInfo.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

ToolCommands::ToolCommands(const Parts &parts, ParameterSet &parameters, const quint8 &language,
                           FormBinding &binding, FormEvents &events, PollCycle &link,
                           LinkPresenter &presenter, MessageLine &messageLine, FileCommands &files)
    : m_parts(parts), m_parameters(parameters), m_language(language), m_messageLine(messageLine),
      m_files(files)
{
    addItems();

    m_curveGraph = new CurveGraphWindow(m_parameters, m_language, &m_parts.window);
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

    // The live engine on the graph and the history both hear the link after the presenter.
    m_toolWatch =
        std::make_unique<ToolLinkWatch>(link, presenter, m_parameters, m_curveGraph->graph(),
                                        [this](HistoryEvent event) { recordHistory(event); });
}

ToolCommands::~ToolCommands() = default;

// The tool items close the Tools menu, after a separator; their texts come
// with the language pass like every other item's.
void ToolCommands::addItems()
{
    m_parts.toolsMenu.addSeparator();
    auto *graphItem = new QAction(&m_parts.window);
    graphItem->setObjectName(QStringLiteral("MenuCurveGraph"));
    graphItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_parts.toolsMenu.addAction(graphItem);
    auto *historyItem = new QAction(&m_parts.window);
    historyItem->setObjectName(QStringLiteral("MenuHistory"));
    m_parts.toolsMenu.addAction(historyItem);
    connect(graphItem, &QAction::triggered, this, &ToolCommands::MenuCurveGraphClick);
    connect(historyItem, &QAction::triggered, this, &ToolCommands::MenuHistoryClick);
}

void ToolCommands::MenuCurveGraphClick()
{
    m_curveGraph->open();
}

void ToolCommands::MenuHistoryClick()
{
    HistoryDialog dialog(m_history->folder().entries(), m_language, &m_parts.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_messageLine.hide();
    m_files.openFile(dialog.chosenPath());
}

// Page 0 of the image is the unit's own after a Read or a Program.
void ToolCommands::recordHistory(HistoryEvent event)
{
    m_history->record(m_parameters, decodeUnitInfo(m_parameters.page(0)).name, event, m_language);
}
