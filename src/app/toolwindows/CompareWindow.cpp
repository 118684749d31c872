#include "CompareWindow.h"

#include "Background.h"
#include "CompareRows.h"
#include "ToolTexts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using lang::Tool;

namespace {

enum CompareColumn
{
    kName,
    kWindow,
    kOther,
    kColumns
};

const QColor kDifferenceColour(255, 255, 0); // the window's yellow

} // namespace

CompareWindow::CompareWindow(QWidget *parent, const QStringList &bikeNames)
    : QWidget(parent, Qt::Window), m_bikeNames(bikeNames), m_differences(new QLabel(this)),
      m_message(new QLabel(this)), m_onlyDifferences(new QCheckBox(this)),
      m_table(new QTableWidget(0, kColumns, this))
{
    setObjectName(QStringLiteral("FormCompare"));
    m_differences->setObjectName(QStringLiteral("LabelDifferences"));
    m_message->setObjectName(QStringLiteral("LabelCompareMessage"));
    m_onlyDifferences->setObjectName(QStringLiteral("CheckBoxOnlyDifferences"));
    m_table->setObjectName(QStringLiteral("TableCompare"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    m_message->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(m_differences);
    top->addStretch();
    top->addWidget(m_onlyDifferences);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_message);
    layout->addWidget(m_table);
    resize(520, 640);

    connect(m_onlyDifferences, &QCheckBox::toggled, this, &CompareWindow::applyFilter);
    setLanguage(m_language);
}

void CompareWindow::showSets(const ParameterSet &window, const ParameterSet &other,
                             const QString &file)
{
    m_window = window;
    m_other = other;
    m_otherFile = file;
    m_firstName.clear();
    m_secondName.clear();
    m_shown = true;
    m_message->hide();
    fillTable();
}

void CompareWindow::showNamedSets(const ParameterSet &first, const QString &firstName,
                                  const ParameterSet &second, const QString &secondName)
{
    showSets(first, second, QString());
    m_firstName = firstName;
    m_secondName = secondName;
    fillTable();
}

void CompareWindow::showMessage(const QString &text)
{
    m_message->setText(text);
    m_message->show();
}

void CompareWindow::setLanguage(quint8 language)
{
    m_language = language;
    setWindowTitle(lang::toolText(Tool::CompareTitle, language));
    m_onlyDifferences->setText(lang::toolText(Tool::OnlyDifferences, language));
    fillTable();
}

void CompareWindow::fillTable()
{
    const bool named = !m_firstName.isEmpty();
    const QString otherName = m_otherFile.isEmpty() ? lang::toolText(Tool::ColumnUnit, m_language)
                                                    : QFileInfo(m_otherFile).fileName();
    m_table->setHorizontalHeaderLabels(
        {lang::toolText(Tool::ColumnParameter, m_language),
         named ? m_firstName : lang::toolText(Tool::ColumnWindow, m_language),
         named ? m_secondName : otherName});
    const QList<CompareRow> rows =
        m_shown ? compareRows(m_window, m_other, m_language, m_bikeNames) : QList<CompareRow>();
    m_differences->setText(
        lang::toolText(Tool::DifferenceCount, m_language).arg(differenceCount(rows)));
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const CompareRow &row = rows.at(r);
        const QString texts[kColumns] = {row.name, row.window, row.other};
        for (int c = 0; c < kColumns; ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            if (c != kName)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row.differs) {
                item->setBackground(kDifferenceColour);
                item->setForeground(readableTextOn(kDifferenceColour));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            item->setData(Qt::UserRole, row.differs);
            m_table->setItem(r, c, item);
        }
    }
    applyFilter();
}

void CompareWindow::applyFilter()
{
    const bool only = m_onlyDifferences->isChecked();
    for (int r = 0; r < m_table->rowCount(); ++r)
        m_table->setRowHidden(r, only && !m_table->item(r, kName)->data(Qt::UserRole).toBool());
}
