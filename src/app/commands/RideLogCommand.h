#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class CurveGraphWindow;
class FileCommands;
class FormBinding;
class ParameterSet;
class QWidget;
class RideLogWindow;
class WindowState;

// Tools > Open ride log…, a recording named on the command line and files
// dropped on the main window: a recording (told by its content) opens in the
// ride log viewer, made when first needed; any other dropped file opens as a
// parameter file. The viewer's cursor moves the curve graph's operating point.
class RideLogCommand : public QObject
{
    Q_OBJECT

public:
    RideLogCommand(QWidget &window, const ParameterSet &image,
                   const WindowState &state, FormBinding &binding, CurveGraphWindow &curveGraph,
                   FileCommands &files);
    ~RideLogCommand() override;

    // The viewer's file dialog (the toolkit's unless set), also for a viewer made later.
    void setFileDialog(std::function<QString(int choice, const QString &proposed)> dialog);

    void MenuRideLogClick();
    // Opens the viewer on the file, also to say why it cannot be shown.
    void openRecording(const QString &path);
    // The command line's file, after an optional language word, when it is a
    // recording: opened, and true. False leaves the file to the Open command.
    bool openStartFile(const QStringList &arguments);

    // Null until first opened.
    RideLogWindow *viewer() const { return m_viewer; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    RideLogWindow &ensureViewer();
    void showOnGraph(int rpm, int advance);

    QWidget &m_window;
    const ParameterSet &m_image;
    const WindowState &m_state;
    CurveGraphWindow &m_curveGraph;
    FileCommands &m_files;
    RideLogWindow *m_viewer = nullptr; // a child of the window
    std::function<QString(int choice, const QString &proposed)> m_fileDialog;
};
