#pragma once

#include "FileDialog.h"
#include "LiveRecording.h"
#include "ParameterSet.h"

#include <QObject>

#include <functional>
#include <memory>

class CompareWindow;
class LinkPresenter;
struct SequenceEnd;
class QAction;
class QMainWindow;
class QMenu;
struct MonitorValues;

namespace lang {
class MessageTable;
}

// The Tools menu's tuning tools: comparing the window's set with a file's or
// the unit's set, and recording live values into a CSV file. They add their
// items at the end of the menu and change nothing of the window's set.
class TuningTools : public QObject
{
    Q_OBJECT

public:
    TuningTools(QMainWindow &window, QMenu &toolsMenu, const ParameterSet &image,
                LinkPresenter &presenter, const lang::MessageTable &messages);
    ~TuningTools() override;

    // Asks for the CSV file to record into: the path, or empty to cancel.
    using CsvDialog = std::function<QString()>;
    void setCompareFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    void setCsvDialog(CsvDialog dialog) { m_csvDialog = std::move(dialog); }

    void setLanguage(quint8 language);
    // The window closes: a recording ends with it.
    void stopRecording();

    bool recording() const { return m_recording != nullptr; }
    CompareWindow *compareWindow() const { return m_compare; }
    // Two sets that are not the window's, such as two entries of the history.
    void compareSets(const ParameterSet &first, const QString &firstName,
                     const ParameterSet &second, const QString &secondName);

private slots:
    void compareWithFile();
    void compareWithUnit();
    void toggleRecording();

private:
    QAction *addItem(const char *objectName, const QKeySequence &shortcut);
    void showCompareWindow();
    void unitRead(const SequenceEnd &end, const QString &failure);
    void startRecording(const QString &path);
    void takeStatus(const MonitorValues &values);
    void showRecordingState();
    void showStatus(const QString &text);

    QMainWindow &m_window;
    const ParameterSet &m_image;
    LinkPresenter &m_presenter;
    const lang::MessageTable &m_messages;
    quint8 m_language = 0;
    QAction *m_compareFile;
    QAction *m_compareUnit;
    QAction *m_record;
    CompareWindow *m_compare = nullptr;
    ParameterSet m_unitSet; // the read-only read's target
    std::unique_ptr<LiveRecording> m_recording;
    QString m_lastFile;
    FileDialog m_fileDialog;
    CsvDialog m_csvDialog;
};
