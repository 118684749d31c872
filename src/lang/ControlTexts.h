#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Captions, item lists, hints and language check marks of the main window's
// controls for one language, keyed by the controls' objectNames. Plain data:
// the window side walks texts() and writes each entry into its control.
namespace lang {

struct ControlText
{
    enum Role
    {
        Check,
        Caption,
        Items,
        Hint
    };

    QString objectName; // the window's own name stands for its caption
    Role role = Caption;
    QString text;         // Caption, Hint ("short|long" or one text for both places)
    QStringList items;    // Items: combo-box entries or radio-group buttons, in order
    bool checked = false; // Check
};

class ControlTexts
{
public:
    // An index above 3 counts as English.
    explicit ControlTexts(quint8 language);

    quint8 language() const { return m_language; }

    // Every entry in the order it is applied: the language check marks, the
    // captions, the combo-box and radio-group items, the hints, and last the
    // captions of the undo and redo items.
    const QList<ControlText> &texts() const { return m_texts; }

    // Null when the control has no such text in this table.
    QString caption(const QString &objectName) const;
    QString hint(const QString &objectName) const;
    QStringList items(const QString &objectName) const;

private:
    const ControlText *find(const QString &objectName, ControlText::Role role) const;

    quint8 m_language;
    QList<ControlText> m_texts;
};

struct HintParts
{
    QString tip;    // pop-up tip
    QString status; // status line
};

// "short|long" splits at the first bar; a hint without a bar is shown whole in both places.
HintParts splitHint(const QString &hint);

// The caption as shown where "&" cannot mark an access key: "&x" shows "x", "&&" shows "&".
QString withoutAccessKeys(const QString &caption);

} // namespace lang
