#include "HistoryDialog.h"

#include "ToolTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

HistoryDialog::HistoryDialog(const QList<HistoryEntry> &entries, quint8 language, QWidget *parent)
    : QDialog(parent), m_entries(entries)
{
    using lang::Tool;
    const auto text = [language](Tool tool) { return lang::toolText(tool, language); };
    setObjectName(QStringLiteral("FormHistory"));
    setWindowTitle(text(Tool::HistoryTitle));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListHistory"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels(
        {text(Tool::HistoryWhen), text(Tool::HistoryUnit), text(Tool::HistoryEvent)});
    // Date and time as the printed sheet shows them: short date, long time,
    // without the time zone, which is the user's own.
    const QLocale locale;
    const QString timeFormat =
        locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    for (const HistoryEntry &entry : m_entries) {
        const QDateTime local = entry.when.toLocalTime();
        auto *row = new QTreeWidgetItem(m_list);
        row->setText(0, locale.toString(local.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
                            locale.toString(local.time(), timeFormat));
        row->setText(1, entry.unit);
        row->setText(2, text(entry.event == HistoryEvent::Read ? Tool::HistoryRead
                                                               : Tool::HistoryProgrammed));
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!m_entries.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));

    auto *empty = new QLabel(text(Tool::HistoryEmpty), this);
    empty->setVisible(m_entries.isEmpty());

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *open = buttons->addButton(text(Tool::HistoryOpen), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("ButtonHistoryOpen"));
    open->setEnabled(!m_entries.isEmpty());
    QPushButton *close = buttons->addButton(text(Tool::HistoryClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("ButtonHistoryClose"));
    connect(open, &QPushButton::clicked, this, &HistoryDialog::openCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &HistoryDialog::openCurrent);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(empty);
    layout->addWidget(buttons);
    resize(520, 380);
}

void HistoryDialog::openCurrent()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= m_entries.size())
        return;
    m_chosen = m_entries.at(row).path;
    accept();
}
