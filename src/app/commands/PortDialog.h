#pragma once

#include "PortSurvey.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

// Com -> "Choose device...": the serial devices present and those the Com
// items are mapped to, whether this user may open each, and how to gain the
// right where the user may not. Accepting gives the device to the checked item.
class PortDialog : public QDialog
{
    Q_OBJECT

public:
    // comDevices: the device of each Com item, Com 1 first; mapped: the
    // devices the settings name; comPort: the checked item.
    PortDialog(const PortSurvey &survey, const QStringList &comDevices, const QStringList &mapped,
               int comPort, quint8 language, QWidget *parent = nullptr);

    QString chosenDevice() const;

    // After Find unit: only the devices asked, each with what it said in the
    // access column; preferred (an answering one) selected.
    void showProbeAnswers(const QHash<QString, QString> &said, const QString &preferred);

private:
    void resurvey();
    void showRows(const QList<PortFacts> &found);
    void showSelection();
    QString accessText(const PortFacts &facts) const;
    const PortFacts *selectedFacts() const;

    const PortSurvey &m_survey;
    QStringList m_comDevices;
    QStringList m_mapped;
    quint8 m_language;
    QList<PortFacts> m_found;
    QHash<QString, QString> m_said; // device -> what it answered the search

    QTreeWidget *m_list;
    QLabel *m_fix;
    QPushButton *m_use;
};
