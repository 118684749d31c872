#pragma once

#include "ParameterSet.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QTableWidget;

// The comparison of the window's set with another set (a file's or the
// unit's), one row per parameter; the rows that differ are marked and
// counted, and "only differences" hides the others.
class CompareWindow : public QWidget
{
    Q_OBJECT

public:
    // bikeNames: the window's motorcycle list, shown for the motorcycle's code.
    explicit CompareWindow(QWidget *parent, const QStringList &bikeNames = {});

    // The other set's column is headed by the file's name, or by the unit's
    // word when file is empty.
    void showSets(const ParameterSet &window, const ParameterSet &other, const QString &file);
    // Two sets neither of which is the window's, such as two entries of the
    // history, each column headed by the name given.
    void showNamedSets(const ParameterSet &first, const QString &firstName,
                       const ParameterSet &second, const QString &secondName);
    // A line above the table while the unit is read, or why the read failed;
    // the table keeps what it showed.
    void showMessage(const QString &text);
    // Texts and parameter names again, in the language.
    void setLanguage(quint8 language);

private:
    void fillTable();
    void applyFilter();

    QStringList m_bikeNames;
    quint8 m_language = 0;
    ParameterSet m_window;
    ParameterSet m_other;
    QString m_otherFile;
    QString m_firstName; // with showNamedSets only
    QString m_secondName;
    bool m_shown = false;
    QLabel *m_differences;
    QLabel *m_message;
    QCheckBox *m_onlyDifferences;
    QTableWidget *m_table;
};
