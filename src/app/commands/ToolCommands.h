#pragma once

#include "HistoryFolder.h"
#include "LinkListener.h"

#include <QObject>

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
class TuningTools;
class WindowState;

// The Tools menu's own windows: the advance curve graph and the history of
// sets. Hears the link: a Read or a Program
// (verified) that ended well puts the set into the history.
class ToolCommands : public QObject, public LinkListener
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget &window; // parent of the tool windows
        QStatusBar &statusBar;
    };

    ToolCommands(const Parts &parts, ParameterSet &parameters, const WindowState &state,
                 FormBinding &binding, FormEvents &events, PollCycle &link,
                 MessageLine &messageLine, FileCommands &files);
    ~ToolCommands() override;

    CurveGraphWindow &curveGraph() const { return *m_curveGraph; }

    void openCurveGraph();
    // The graph's second curve of the unit comes through the tools' read-only read.
    void readUnitWith(TuningTools &tools);
    // Opens the set chosen in the history as Open opens a file.
    void openHistory();

    void sequenceEnded(const SequenceEnd &end) override;

private:
    // Without tools the second curve has no unit to read.
    void setSecondCurveSources(TuningTools *tools);
    // Keeps the image as the unit now holds it in the history of sets.
    void recordHistory(HistoryEvent event);

    Parts m_parts;
    ParameterSet &m_parameters;
    const WindowState &m_state;
    MessageLine &m_messageLine;
    FileCommands &m_files;
    CurveGraphWindow *m_curveGraph; // a child of the window, hidden until shown
    CurveRangeEdit *m_rangeEdit;
    QString m_lastSecondCurveFile;
    std::unique_ptr<SetHistory> m_history;
};
