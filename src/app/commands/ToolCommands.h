#pragma once

#include "HistoryFolder.h"
#include "LinkListener.h"
#include "ParameterSet.h"
#include "ProgrammedSetWait.h"

#include <QObject>

#include <functional>
#include <memory>

class CurveGraphWindow;
class CurveRangeEdit;
class FileCommands;
class FormBinding;
class FormEvents;
class MessageLine;
class ParameterSet;
class PollCycle;
class QStatusBar;
class QWidget;
class SetHistory;
class PathLabel;
class SetMarks;
class TuningTools;
class WindowState;

// The Tools menu's own windows: the advance curve graph and the history of
// sets, and the marks of where the window's set stands. Hears the link: a
// Read that ended well puts the set into the history, as does a Program
// (verified) once the unit has reported it stored, or as not confirmed when
// the link is lost or another sequence ends before that.
class ToolCommands : public QObject, public LinkListener
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget &window; // parent of the tool windows
        QStatusBar &statusBar;
        PathLabel &fileLine;
    };

    ToolCommands(const Parts &parts, ParameterSet &parameters, const WindowState &state,
                 FormBinding &binding, FormEvents &events, PollCycle &link,
                 MessageLine &messageLine, FileCommands &files);
    ~ToolCommands() override;

    // Shows two sets side by side in the compare window, each headed by its name.
    using CompareSets = std::function<void(const ParameterSet &first, const QString &firstName,
                                           const ParameterSet &second, const QString &secondName)>;

    CurveGraphWindow &curveGraph() const { return *m_curveGraph; }
    SetMarks &setMarks() const { return *m_marks; }
    void setCompareSets(CompareSets compare) { m_compareSets = std::move(compare); }

    void openCurveGraph();
    // The graph's second curve of the unit comes through the tools' read-only read.
    void readUnitWith(TuningTools &tools);
    // Opens the set chosen in the history as Open opens a file.
    void openHistory();

    void sequenceEnded(const SequenceEnd &end) override;
    void idleStep() override;
    void tickEnded() override;
    void portLost(const QString &devicePath) override;

private:
    // Without tools the second curve has no unit to read.
    void setSecondCurveSources(TuningTools *tools);
    // Keeps the image as the unit now holds it in the history of sets.
    void recordHistory(HistoryEvent event, const ParameterSet &set);
    void compareEntries(const HistoryEntry &first, const HistoryEntry &second);

    Parts m_parts;
    ParameterSet &m_parameters;
    const WindowState &m_state;
    MessageLine &m_messageLine;
    FileCommands &m_files;
    CurveGraphWindow *m_curveGraph; // a child of the window, hidden until shown
    CurveRangeEdit *m_rangeEdit;
    QString m_lastSecondCurveFile;
    std::unique_ptr<SetHistory> m_history;
    std::unique_ptr<SetMarks> m_marks;
    CompareSets m_compareSets;
    PollCycle &m_link;
    ProgrammedSetWait m_storing;
};
