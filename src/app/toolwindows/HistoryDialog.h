#pragma once

#include "HistoryFolder.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// Tools -> History: the kept sets, newest first (date and time, unit, read or
// programmed, the user's note). Open (or a double click) accepts the dialog
// with that set's entry; with two entries selected, Compare accepts it with
// both. The note of the current entry is edited below the list and kept
// beside the entry as soon as the field is left.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    HistoryDialog(const HistoryFolder &folder, quint8 language, QWidget *parent = nullptr);

    // The entries chosen: one to open, two to compare; empty unless accepted.
    const QList<HistoryEntry> &chosen() const { return m_chosen; }
    // The file of the entry to open; empty unless the dialog was accepted with one.
    QString chosenPath() const { return m_chosen.size() == 1 ? m_chosen.first().path : QString(); }

    // The entry's event as its list line says it.
    static QString eventText(const HistoryEntry &entry, quint8 language);

private:
    void openCurrent();
    void compareSelected();
    void showCurrentNote();
    void keepNote();
    QList<int> selectedRows() const;

    const HistoryFolder &m_folder;
    QList<HistoryEntry> m_entries;
    QTreeWidget *m_list = nullptr;
    QLineEdit *m_note = nullptr;
    QPushButton *m_compare = nullptr;
    QList<HistoryEntry> m_chosen;
};
