#include "LanguageTexts.h"

#include "ControlTexts.h"
#include "MessageTable.h"
#include "MonitorPlaceholders.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

namespace lang {

namespace {

// Every named object below parent, each name taken by the object findChild()
// finds first: a pass sets some hundred texts, and searching the whole window
// for each one cost more than setting them.
void collectNamed(const QObject *parent, QHash<QString, QObject *> &named)
{
    for (QObject *child : parent->children()) {
        if (!child->objectName().isEmpty() && !named.contains(child->objectName()))
            named.insert(child->objectName(), child);
    }
    for (const QObject *child : parent->children())
        collectNamed(child, named);
}

void setCaption(QObject *target, QWidget *window, const QString &caption)
{
    if (target == window)
        window->setWindowTitle(caption);
    else if (auto *menu = qobject_cast<QMenu *>(target))
        menu->setTitle(caption);
    else if (auto *action = qobject_cast<QAction *>(target))
        action->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setText(caption);
    else if (auto *group = qobject_cast<QGroupBox *>(target))
        group->setTitle(caption);
    else if (auto *label = qobject_cast<QLabel *>(target))
        // A label shows "&" as it is unless it has a buddy to pass the access key to.
        label->setText(label->buddy() ? caption : withoutAccessKeys(caption));
}

void setItems(QObject *target, const QStringList &items)
{
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        for (int i = 0; i < qMin(combo->count(), int(items.size())); ++i)
            combo->setItemText(i, items.at(i));
    } else if (auto *group = qobject_cast<QGroupBox *>(target)) {
        const QList<QRadioButton *> buttons =
            group->findChildren<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < qMin(int(buttons.size()), int(items.size())); ++i)
            buttons.at(i)->setText(items.at(i));
    }
}

void setChecked(QObject *target, bool checked)
{
    if (auto *action = qobject_cast<QAction *>(target)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

} // namespace

void applyLanguageTexts(QWidget *window, MessageTable &messages, quint8 language)
{
    messages.fill(language);
    applyLanguageTexts(window, messages);
}

void applyLanguageTexts(QWidget *window, const MessageTable &messages)
{
    applyMonitorPlaceholders(window, messages);
    applyControlTexts(window, ControlTexts(messages.language()));
}

void applyControlTexts(QWidget *window, const ControlTexts &texts)
{
    QHash<QString, QObject *> named;
    collectNamed(window, named);
    named.insert(window->objectName(), window);
    for (const ControlText &entry : texts.texts()) {
        QObject *target = named.value(entry.objectName);
        if (!target)
            continue;
        switch (entry.role) {
        case ControlText::Check:
            setChecked(target, entry.checked);
            break;
        case ControlText::Caption:
            setCaption(target, window, entry.text);
            break;
        case ControlText::Items:
            setItems(target, entry.items);
            break;
        case ControlText::Hint:
            setHint(target, entry.text);
            break;
        }
    }
}

void applyMonitorPlaceholders(QWidget *window, const MessageTable &messages)
{
    const auto *noConnection = window->findChild<QWidget *>(QStringLiteral("LabelSpojeni"));
    if (!noConnection || !noConnection->isVisibleTo(window))
        return;
    for (const MonitorPlaceholder &placeholder : kMonitorPlaceholders) {
        if (auto *label = window->findChild<QLabel *>(QLatin1String(placeholder.label)))
            label->setText(placeholderText(messages, placeholder));
    }
}

void setHint(QObject *target, const QString &hint)
{
    const HintParts parts = splitHint(hint);
    if (auto *menu = qobject_cast<QMenu *>(target))
        target = menu->menuAction();
    if (auto *action = qobject_cast<QAction *>(target)) {
        action->setToolTip(parts.tip);
        action->setStatusTip(parts.status);
    } else if (auto *widget = qobject_cast<QWidget *>(target)) {
        widget->setToolTip(parts.tip);
        widget->setStatusTip(parts.status);
    }
}

} // namespace lang
