#include "ToolCommands.h"

#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "FileCommands.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HistoryDialog.h"
#include "LinkPresenter.h"
#include "MessageLine.h"
#include "PathLabel.h"
#include "SetHistory.h"
#include "SetMarks.h"
#include "SpinEdit.h"
#include "ToolLinkWatch.h"
#include "ToolTexts.h"
#include "UnitInfo.h"

#include <QAction>
#include <QLocale>
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
    m_toolWatch = std::make_unique<ToolLinkWatch>(
        link, presenter, m_parameters, m_curveGraph->graph(),
        [this](HistoryEvent event, const ParameterSet &set) { recordHistory(event, set); });
    m_files.setHistoryFolder(m_history->folder());

    auto *fileLine = m_parts.window.findChild<PathLabel *>(QStringLiteral("LabelFile2"));
    Q_ASSERT(fileLine);
    m_marks = std::make_unique<SetMarks>(m_parts.window, *fileLine, m_parameters, m_language);
    m_toolWatch->setUnitHolds([this] { m_marks->unitHolds(); });
    m_files.setFileMatched([this] { m_marks->fileMatched(); });
    connect(&binding, &FormBinding::parameterSetShown, this, [this] { m_marks->refresh(); });
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
    HistoryDialog dialog(m_history->folder(), m_language, &m_parts.window);
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
        const QDateTime local = entry.when.toLocalTime();
        const QLocale locale;
        QString text = locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(local.time(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       entry.unit;
        if (!entry.note.isEmpty())
            text += QStringLiteral(" (") + entry.note + QLatin1Char(')');
        return text;
    };
    const auto a = m_files.readSet(first.path);
    const auto b = a ? m_files.readSet(second.path) : std::nullopt;
    if (b)
        m_compareSets(*a, name(first), *b, name(second));
}

// Page 0 of the image is the unit's own after a Read or a Program.
void ToolCommands::recordHistory(HistoryEvent event, const ParameterSet &set)
{
    m_history->record(set, decodeUnitInfo(set.page(0)).name, event, m_language);
}
