#include "HistoryDialog.h"

#include "ToolTexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
enum HistoryColumn
{
    kWhen,
    kUnit,
    kEvent,
    kNote
};
} // namespace

QString HistoryDialog::eventText(const HistoryEntry &entry, quint8 language)
{
    using lang::Tool;
    const Tool word = entry.event == HistoryEvent::Read         ? Tool::HistoryRead
                      : entry.event == HistoryEvent::Programmed ? Tool::HistoryProgrammed
                                                                : Tool::HistoryUnconfirmed;
    QString text = lang::toolText(word, language);
    if (entry.readAgain > 0)
        text += lang::toolText(Tool::HistoryReadAgain, language).arg(entry.readAgain);
    return text;
}

HistoryDialog::HistoryDialog(const HistoryFolder &folder, quint8 language, QWidget *parent)
    : QDialog(parent), m_folder(folder), m_entries(folder.entries())
{
    using lang::Tool;
    const auto text = [language](Tool tool) { return lang::toolText(tool, language); };
    setObjectName(QStringLiteral("FormHistory"));
    setWindowTitle(text(Tool::HistoryTitle));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListHistory"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({text(Tool::HistoryWhen), text(Tool::HistoryUnit),
                             text(Tool::HistoryEvent), text(Tool::HistoryNote)});
    // Date and time as the printed sheet shows them: short date, long time,
    // without the time zone, which is the user's own.
    const QLocale locale;
    const QString timeFormat =
        locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    for (const HistoryEntry &entry : m_entries) {
        const QDateTime local = entry.when.toLocalTime();
        auto *row = new QTreeWidgetItem(m_list);
        row->setText(kWhen, locale.toString(local.date(), QLocale::ShortFormat) +
                                QStringLiteral("  ") + locale.toString(local.time(), timeFormat));
        row->setText(kUnit, entry.unit);
        row->setText(kEvent, eventText(entry, language));
        row->setText(kNote, entry.note);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);

    auto *empty = new QLabel(text(Tool::HistoryEmpty), this);
    empty->setVisible(m_entries.isEmpty());

    m_note = new QLineEdit(this);
    m_note->setObjectName(QStringLiteral("EditHistoryNote"));
    m_note->setMaxLength(120);
    m_note->setProperty("row", -1);
    m_note->setEnabled(!m_entries.isEmpty());
    auto *noteLabel = new QLabel(text(Tool::HistoryNoteLabel), this);
    noteLabel->setBuddy(m_note);
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(noteLabel);
    noteRow->addWidget(m_note, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *open = buttons->addButton(text(Tool::HistoryOpen), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("ButtonHistoryOpen"));
    open->setEnabled(!m_entries.isEmpty());
    m_compare = buttons->addButton(text(Tool::HistoryCompare), QDialogButtonBox::ActionRole);
    m_compare->setObjectName(QStringLiteral("ButtonHistoryCompare"));
    m_compare->setEnabled(false);
    QPushButton *close = buttons->addButton(text(Tool::HistoryClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("ButtonHistoryClose"));
    connect(open, &QPushButton::clicked, this, &HistoryDialog::openCurrent);
    connect(m_compare, &QPushButton::clicked, this, &HistoryDialog::compareSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &HistoryDialog::openCurrent);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &HistoryDialog::showCurrentNote);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_compare->setEnabled(selectedRows().size() == 2); });
    connect(m_note, &QLineEdit::editingFinished, this, &HistoryDialog::keepNote);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(empty);
    layout->addLayout(noteRow);
    layout->addWidget(buttons);
    resize(640, 400);
    if (!m_entries.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

QList<int> HistoryDialog::selectedRows() const
{
    QList<int> rows;
    for (QTreeWidgetItem *item : m_list->selectedItems())
        rows.append(m_list->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void HistoryDialog::openCurrent()
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= m_entries.size())
        return;
    keepNote();
    m_chosen = {m_entries.at(row)};
    accept();
}

// The older entry first, as it came first.
void HistoryDialog::compareSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 2)
        return;
    keepNote();
    m_chosen = {m_entries.at(rows.at(1)), m_entries.at(rows.at(0))};
    accept();
}

void HistoryDialog::showCurrentNote()
{
    keepNote();
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    const QSignalBlocker quiet(m_note);
    m_note->setText(row >= 0 ? m_entries.at(row).note : QString());
    m_note->setProperty("row", row);
}

// The note belongs to the entry it was typed for, even if the current row
// has moved on since.
void HistoryDialog::keepNote()
{
    const int row = m_note->property("row").toInt();
    if (row < 0 || row >= m_entries.size())
        return;
    HistoryEntry &entry = m_entries[row];
    const QString note = m_note->text().simplified();
    if (note == entry.note || !m_folder.setNote(entry, note))
        return;
    entry.note = note;
    m_list->topLevelItem(row)->setText(kNote, note);
}
