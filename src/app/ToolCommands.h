#pragma once

#include "HistoryFolder.h"

#include <QObject>

#include <functional>
#include <memory>

class CurveGraphWindow;
class FileCommands;
class FormBinding;
class FormEvents;
class LinkPresenter;
class MessageLine;
class ParameterSet;
class PollCycle;
class QMenu;
class QStatusBar;
class QWidget;
class SetHistory;
class SetMarks;
class ToolLinkWatch;

// The Tools menu's own windows: the advance curve graph and the history of
// sets, with the items that open them. Destroyed before the presenter: the
// link watch hands the link back to it.
class ToolCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget &window; // parent of the tool windows
        QMenu &toolsMenu;
        QStatusBar &statusBar;
    };

    ToolCommands(const Parts &parts, ParameterSet &parameters, const quint8 &language,
                 FormBinding &binding, FormEvents &events, PollCycle &link,
                 LinkPresenter &presenter, MessageLine &messageLine, FileCommands &files);
    ~ToolCommands() override;

    // Shows two sets side by side in the compare window, each headed by its name.
    using CompareSets = std::function<void(const ParameterSet &first, const QString &firstName,
                                           const ParameterSet &second, const QString &secondName)>;

    CurveGraphWindow &curveGraph() const { return *m_curveGraph; }
    SetMarks &setMarks() const { return *m_marks; }
    void setCompareSets(CompareSets compare) { m_compareSets = std::move(compare); }

    void MenuCurveGraphClick();
    void MenuHistoryClick();

private:
    void addItems();
    // Keeps the image as the unit now holds it in the history of sets.
    void recordHistory(HistoryEvent event, const ParameterSet &set);
    void compareEntries(const HistoryEntry &first, const HistoryEntry &second);

    Parts m_parts;
    ParameterSet &m_parameters;
    const quint8 &m_language;
    MessageLine &m_messageLine;
    FileCommands &m_files;
    CurveGraphWindow *m_curveGraph; // a child of the window, hidden until shown
    std::unique_ptr<SetHistory> m_history;
    std::unique_ptr<ToolLinkWatch> m_toolWatch;
    std::unique_ptr<SetMarks> m_marks;
    CompareSets m_compareSets;
};
