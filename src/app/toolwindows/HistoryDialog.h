#pragma once

#include "HistoryFolder.h"

#include <QDialog>

class QTreeWidget;

// Tools -> History: the kept sets, newest first (date and time, unit, read or
// programmed). Open (or a double click) accepts the dialog with that set's file.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    HistoryDialog(const QList<HistoryEntry> &entries, quint8 language, QWidget *parent = nullptr);

    // The file of the chosen set; empty unless the dialog was accepted.
    QString chosenPath() const { return m_chosen; }

private:
    void openCurrent();

    QList<HistoryEntry> m_entries;
    QTreeWidget *m_list = nullptr;
    QString m_chosen;
};
