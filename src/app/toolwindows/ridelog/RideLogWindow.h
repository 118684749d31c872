#pragma once

#include "RideLog.h"
#include "RideSummary.h"

#include <QWidget>

#include <functional>
#include <memory>

class ParameterSet;
class QLabel;
class QPushButton;
class QTableWidget;
class RideMap;
class RideTimeLine;
class WindowState;

// A recording of live values looked at: the time line with its cursor and a
// table of every value recorded at the cursor, the summary, and the rows on
// the window's advance curve. It reads the window's image and never changes it.
class RideLogWindow : public QWidget
{
    Q_OBJECT

public:
    enum class FileChoice
    {
        OpenLog,
        SavePicture,
        SaveCsv
    };
    // Asks for a file: the path, or empty to cancel.
    using FileDialog = std::function<QString(FileChoice choice, const QString &proposed)>;

    // image and language belong to the main window (parent), which outlives this one.
    RideLogWindow(const ParameterSet &image, const WindowState &state, QWidget *parent);
    ~RideLogWindow() override;

    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }

    // Reads the recording and shows it; what could not be read is said in the
    // message line. False when nothing could be shown.
    bool openFile(const QString &path);
    // Shows the window in front.
    void open();
    // Asks for a recording and opens it.
    void askToOpen();
    // Texts in the present language and the image's curve again.
    void refresh();

    bool exportTimeLine(const QString &path);
    bool exportMap(const QString &path);
    bool exportVisibleRange(const QString &path);

    const RideLog &log() const { return *m_log; }
    const RideSummary &summary() const { return m_summary; }
    QString message() const;
    RideTimeLine &timeLine() { return *m_timeLine; }
    RideMap &map() { return *m_map; }

signals:
    // The cursor's row: the engine as recorded then.
    void cursorAt(int rpm, int advance);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString text(int tool) const;
    void askAndExport(FileChoice choice, const QString &suffix,
                      bool (RideLogWindow::*write)(const QString &));
    bool writeFile(const QString &path, const QByteArray &data);
    void showMessage(const QString &message);
    void showCursor(int row);
    void showSummary();

    const ParameterSet &m_image;
    const WindowState &m_state;
    std::unique_ptr<RideLog> m_log;
    RideSummary m_summary;
    QString m_path;
    FileDialog m_fileDialog;
    RideTimeLine *m_timeLine;
    RideMap *m_map;
    QTableWidget *m_values;
    QLabel *m_summaryLabel;
    QLabel *m_message;
    QLabel *m_hint;
    QPushButton *m_openButton, *m_showAllButton, *m_timeLinePng, *m_mapPng, *m_rangeCsv;
};
