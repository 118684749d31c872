#include "PortDialog.h"

#include "PortTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using lang::PortText;

namespace {

// Adapters come and go while the dialog is open. QSerialPortInfo tells of no
// change and hot-plug notices differ on every platform, so the dialog looks
// again each second: a cheap listing of a few device files.
constexpr int kResurveyMs = 1000;

// What decides the choice first, the adapter's own details after.
enum Column
{
    DeviceColumn,
    ComColumn,
    AccessColumn,
    DescriptionColumn,
    ManufacturerColumn,
    SerialColumn,
    UsbIdColumn,
    ColumnCount
};

QString comItemsText(const QList<int> &items)
{
    QStringList names;
    for (int item : items)
        names << QStringLiteral("Com %1").arg(item);
    return names.join(QStringLiteral(", "));
}

} // namespace

PortDialog::PortDialog(const PortSurvey &survey, const QStringList &comDevices,
                       const QStringList &mapped, int comPort, quint8 language, QWidget *parent)
    : QDialog(parent), m_survey(survey), m_comDevices(comDevices), m_mapped(mapped),
      m_language(language), m_list(new QTreeWidget(this)), m_fix(new QLabel(this))
{
    setObjectName(QStringLiteral("PortDialog"));
    setWindowTitle(lang::portText(PortText::Title, language));

    m_list->setObjectName(QStringLiteral("PortList"));
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({lang::portText(PortText::Device, language),
                             lang::portText(PortText::ComItems, language),
                             lang::portText(PortText::Access, language),
                             lang::portText(PortText::Description, language),
                             lang::portText(PortText::Manufacturer, language),
                             lang::portText(PortText::SerialNumber, language),
                             lang::portText(PortText::UsbId, language)});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_fix->setObjectName(QStringLiteral("LabelPermissionFix"));
    m_fix->setWordWrap(true);
    m_fix->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_use = buttons->addButton(lang::portText(PortText::UseForCom, language).arg(comPort),
                               QDialogButtonBox::AcceptRole);
    m_use->setObjectName(QStringLiteral("ButtonUseDevice"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_fix);
    layout->addWidget(buttons);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &PortDialog::showSelection);
    connect(m_list, &QTreeWidget::itemActivated, this, [this] {
        if (m_use->isEnabled())
            accept();
    });
    auto *timer = new QTimer(this);
    timer->setInterval(kResurveyMs);
    connect(timer, &QTimer::timeout, this, &PortDialog::resurvey);
    timer->start();

    resurvey();
    // The checked item's device first in view, as the one most likely wanted.
    const QString current = comDevices.value(comPort - 1);
    for (int row = 0; row < m_found.size(); ++row) {
        if (m_found[row].path == current)
            m_list->setCurrentItem(m_list->topLevelItem(row));
    }
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    showSelection();
    resize(760, 360);
}

QString PortDialog::chosenDevice() const
{
    const PortFacts *facts = selectedFacts();
    return facts ? facts->path : QString();
}

void PortDialog::showProbeAnswers(const QHash<QString, QString> &said, const QString &preferred)
{
    m_said = said;
    resurvey();
    for (int row = 0; row < m_found.size(); ++row) {
        if (m_found[row].path == preferred)
            m_list->setCurrentItem(m_list->topLevelItem(row));
    }
}

void PortDialog::resurvey()
{
    QList<PortFacts> found = m_survey.survey(m_comDevices, m_mapped);
    if (!m_said.isEmpty())
        found.removeIf([this](const PortFacts &facts) { return !m_said.contains(facts.path); });
    showRows(found);
}

// Rebuilt only when something changed, so that a selection or a scroll
// position does not jump every second.
void PortDialog::showRows(const QList<PortFacts> &found)
{
    QList<QStringList> rows;
    for (const PortFacts &facts : found)
        rows << QStringList{facts.path,         comItemsText(facts.comItems), accessText(facts),
                            facts.description,  facts.manufacturer,           facts.serialNumber,
                            facts.vendorProduct};
    QList<QStringList> shown;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < ColumnCount; ++column)
            texts << m_list->topLevelItem(row)->text(column);
        shown << texts;
    }
    m_found = found;
    if (rows == shown)
        return;

    const QString selected =
        m_list->currentItem() ? m_list->currentItem()->text(DeviceColumn) : QString();
    m_list->clear();
    for (const QStringList &texts : rows) {
        auto *item = new QTreeWidgetItem(m_list, texts);
        if (texts.first() == selected)
            m_list->setCurrentItem(item);
    }
    showSelection();
}

void PortDialog::showSelection()
{
    const PortFacts *facts = selectedFacts();
    m_use->setEnabled(facts && facts->exists);
    const bool denied = facts && facts->exists && !facts->mayOpen && !facts->group.isEmpty();
    m_fix->setVisible(denied);
    if (denied)
        m_fix->setText(lang::portText(PortText::PermissionFix, m_language)
                           .arg(facts->path, facts->group,
                                QStringLiteral("sudo usermod -aG %1 $USER").arg(facts->group)));
}

QString PortDialog::accessText(const PortFacts &facts) const
{
    if (m_said.contains(facts.path))
        return m_said.value(facts.path);
    if (!facts.exists)
        return lang::portText(PortText::Missing, m_language);
    return lang::portText(facts.mayOpen ? PortText::MayOpen : PortText::NoPermission, m_language);
}

const PortFacts *PortDialog::selectedFacts() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row >= 0 && row < m_found.size() ? &m_found[row] : nullptr;
}
