#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "FileCommands.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HistoryDialog.h"
#include "LinkPresenter.h"
#include "SetHistory.h"
#include "ToolLinkWatch.h"
#include "UnitInfo.h"

#include <QStatusBar>

// The tool items close the Tools menu, after a separator; their texts come
// with the language pass like every other item's.
void TFormHlav::connectToolCommands()
{
    ui->MenuTools->addSeparator();
    auto *graphItem = new QAction(this);
    graphItem->setObjectName(QStringLiteral("MenuCurveGraph"));
    graphItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    ui->MenuTools->addAction(graphItem);
    auto *historyItem = new QAction(this);
    historyItem->setObjectName(QStringLiteral("MenuHistory"));
    ui->MenuTools->addAction(historyItem);
    connect(graphItem, &QAction::triggered, this, &TFormHlav::MenuCurveGraphClick);
    connect(historyItem, &QAction::triggered, this, &TFormHlav::MenuHistoryClick);

    m_curveGraph = new CurveGraphWindow(m_parameters, m_language, this);
    const ControlTables &tables = m_binding->tables();
    m_curveGraph->graph().setRanges(
        {tables.RpmAdvEdits[0]->minimum(), tables.RpmAdvEdits[0]->maximum(),
         tables.AdvanceEdits[0]->minimum(), tables.AdvanceEdits[0]->maximum()});
    // A point dragged or moved by key is an edit of its two fields.
    connect(m_curveGraph, &CurveGraphWindow::pointEdited, m_events.get(),
            &FormEvents::CurvePointEdit);
    connect(m_binding.get(), &FormBinding::parameterSetShown, m_curveGraph,
            &CurveGraphWindow::refresh);

    m_history = std::make_unique<SetHistory>(
        HistoryFolder(ConfigPaths::historyFolder()),
        [this](const QString &text) { statusBar()->showMessage(text); });

    // The live engine on the graph and the history both hear the link after the presenter.
    m_toolWatch =
        std::make_unique<ToolLinkWatch>(*m_link, *m_presenter, m_parameters, m_curveGraph->graph(),
                                        [this](HistoryEvent event) { recordHistory(event); });
}

void TFormHlav::MenuCurveGraphClick()
{
    m_curveGraph->open();
}

void TFormHlav::MenuHistoryClick()
{
    HistoryDialog dialog(m_history->folder().entries(), m_language, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_presenter->messageLine().hide();
    m_files->openFile(dialog.chosenPath());
}

// Page 0 of the image is the unit's own after a Read or a Program.
void TFormHlav::recordHistory(HistoryEvent event)
{
    m_history->record(m_parameters, decodeUnitInfo(m_parameters.page(0)).name, event, m_language);
}
