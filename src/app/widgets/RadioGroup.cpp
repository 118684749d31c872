#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget *parent)
    : QGroupBox(parent), m_group(new QButtonGroup(this)), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(8, 0, 4, 2);
    m_layout->setSpacing(0);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit clicked();
    });
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (QAbstractButton *button : m_group->buttons())
        texts << button->text();
    return texts;
}

void RadioGroup::setItems(const QStringList &items)
{
    const int kept = qMin(itemIndex(), int(items.size()) - 1);
    const QSignalBlocker blocker(m_group);
    while (m_group->buttons().size() > items.size())
        delete m_group->button(int(m_group->buttons().size()) - 1);
    for (int i = 0; i < items.size(); ++i) {
        QAbstractButton *button = m_group->button(i);
        if (!button) {
            auto *radio = new QRadioButton(this);
            radio->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            m_group->addButton(radio, i);
            m_layout->addWidget(radio);
            button = radio;
        }
        button->setText(items[i]);
    }
    if (kept >= 0)
        m_group->button(kept)->setChecked(true);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    const int count = int(m_group->buttons().size());
    // Any negative index means none chosen.
    index = qBound(-1, index, count - 1);
    if (index == itemIndex())
        return;
    if (index >= 0) {
        m_group->button(index)->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    m_group->checkedButton()->setChecked(false);
    m_group->setExclusive(true);
}
