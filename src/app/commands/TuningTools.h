#pragma once

#include "FileDialog.h"
#include "LinkListener.h"
#include "LiveRecording.h"
#include "ParameterSet.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class CompareWindow;
class LinkPresenter;
class PollCycle;
class QAction;
class QComboBox;
class QMainWindow;
class WindowState;

// The Tools menu's tuning tools: comparing the window's set with a file's or
// the unit's set, and recording live values into a CSV file. They change
// nothing of the window's set. They hear the link for the recording's status
// answers and the unit's set.
class TuningTools : public QObject, public LinkListener
{
    Q_OBJECT

public:
    // bikeList is the window's, whose items name the bikes in the comparison;
    // recordItem's caption says whether a recording runs.
    TuningTools(QMainWindow &window, QAction &recordItem, const QComboBox &bikeList,
                const ParameterSet &image, PollCycle &link, LinkPresenter &presenter,
                const WindowState &state);
    ~TuningTools() override;

    // Asks for the CSV file to record into: the path, or empty to cancel.
    using CsvDialog = std::function<QString()>;
    void setCompareFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    void setCsvDialog(CsvDialog dialog) { m_csvDialog = std::move(dialog); }

    // The window closes: a recording ends with it.
    void stopRecording();

    bool recording() const { return m_recording != nullptr; }
    CompareWindow *compareWindow() const { return m_compare; }
    // Two sets that are not the window's, such as two entries of the history.
    void compareSets(const ParameterSet &first, const QString &firstName,
                     const ParameterSet &second, const QString &secondName);

    void statusTaken(const MonitorValues &values) override;
    void sequenceEnded(const SequenceEnd &end) override;

    void compareWithFile();
    void compareWithUnit();

    // The unit's set, or none with the reason why not.
    using UnitSetTaken = std::function<void(const ParameterSet *set, const QString &failure)>;
    // Reads the unit's set with the read-only read for whoever asks (the
    // comparison, the curve graph): all waiting hear the read that ends. A
    // Read, Program or Verify under way is never cut short: taken hears at
    // once that the unit is busy (busyText).
    void readUnitSet(const UnitSetTaken &taken, const QString &busyText);
    void toggleRecording();

private:
    void showCompareWindow();
    void showTexts();
    void startRecording(const QString &path);
    void showRecordingState();
    void showStatus(const QString &text);

    QMainWindow &m_window;
    const QComboBox &m_bikeList;
    const ParameterSet &m_image;
    LinkPresenter &m_presenter;
    const WindowState &m_state;
    QAction &m_record;
    CompareWindow *m_compare = nullptr;
    ParameterSet m_unitSet; // the read-only read's target
    std::vector<UnitSetTaken> m_unitSetWaiting;
    std::unique_ptr<LiveRecording> m_recording;
    QString m_lastFile;
    FileDialog m_fileDialog;
    CsvDialog m_csvDialog;
};
