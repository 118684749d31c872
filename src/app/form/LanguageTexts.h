#pragma once

#include <QString>

class QObject;
class QWidget;

namespace lang {

class ControlTexts;
class MessageTable;

// The language pass over the main window: fills the message table for the
// language, rewrites the monitor placeholders and applies the control texts.
void applyLanguageTexts(QWidget *window, MessageTable &messages, quint8 language);
// The same pass for a table already filled: the table's language.
void applyLanguageTexts(QWidget *window, const MessageTable &messages);

// Writes every entry of the table into the control of that objectName below
// the window (the window's own name sets its title). Captions go to labels,
// buttons, group boxes, menus and actions; items replace the texts of a combo
// box's entries, or of a group box's radio buttons in child order, in place,
// so the selection stays; checks set language-item check marks. Controls the
// window lacks are skipped.
void applyControlTexts(QWidget *window, const ControlTexts &texts);

// Only while LabelSpojeni is shown: the monitor labels show their word and "---".
void applyMonitorPlaceholders(QWidget *window, const MessageTable &messages);

// Short part of "short|long" as the pop-up tip, long part in the status line;
// a hint without a bar goes whole to both. Widgets, menus and actions.
void setHint(QObject *target, const QString &hint);

} // namespace lang
