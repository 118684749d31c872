#pragma once

#include "DocumentViewer.h"
#include "FileDialog.h"
#include "ParameterSet.h"
#include "PortSurvey.h"
#include "SettingsFile.h"
#include "TuningTools.h" // complete for the window's destructor
#include "WindowPlacement.h"
#include "WindowState.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class TFormHlav;
}
class ComPortCommands;
class FileCommands;
class FormBinding;
class HelpCommands;
class FormEvents;
class LanguageCommands;
class LinkPresenter;
class PollCycle;
class PrintCommand;
class QtTranslations;
class QAction;
class QTimer;
class SerialPort;
class ToolCommands;
class RideLogCommand;
class WindowLinkView;
class WindowSettings;

// The main window: owns the parameter image, the link, the binding and the
// texts of the current language, and wires the controls' handlers to the
// command objects that do the work.
class TFormHlav : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kDesignWidth = 834;
    static constexpr int kDesignHeight = 758;

    explicit TFormHlav(const QStringList &arguments, QWidget *parent = nullptr);
    ~TFormHlav() override;

    ParameterSet &parameters() { return m_parameters; }
    quint8 comPort() const { return m_state.comPort(); }
    quint8 language() const { return m_state.language(); }
    bool testMode() const { return m_testMode; }
    const PollCycle &link() const { return *m_link; }
    const LinkPresenter &linkPresenter() const { return *m_presenter; }
    TuningTools &tuningTools() { return *m_tools; }
    RideLogCommand &rideLog() { return *m_rideLog; }

    // Replaces the open and save dialogs, so that the file commands can run without a user.
    void setFileDialog(FileDialog dialog);
    // Replaces what the device chooser learns of device permissions.
    void setPortAccessCheck(PortSurvey::AccessCheck check);
    // Replaces the desktop's answer whether it has a viewer for the manual.
    void setViewerCheck(ViewerCheck check);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private slots:
    // Link: tick, port and transactions.
    void Timer1Timer();
    void MenuCom1Click(QAction *item);
    void MenuChooseDeviceClick();
    void MenuFindUnitClick();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();

    // File commands.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();

    // Printing.
    void SpeedButtonPrintClick();

    // The Tools menu's own windows.
    void MenuCompareFileClick();
    void MenuCompareUnitClick();
    void MenuRecordClick();
    void MenuCurveGraphClick();
    void MenuHistoryClick();
    void MenuRideLogClick();

    // Language items, one handler each as the menu names them.
    void MenuEnglishClick();
    void MenuGermanClick();
    void MenuFrenchClick();
    void MenuCzechClick();

    // Help, about and exit.
    void MenuContensClick();
    void MenuAboutClick();
    void MenuExitClick();

private:
    void FormCreate(const QStringList &arguments);
    void FormClose();

    void LoadSettings();
    void SaveSettings();
    void ApplyRangeRule();
    void readTestSwitch();

    void showTestLabels();
    void connectCommands();
    void collectForTransfer();

    std::unique_ptr<Ui::TFormHlav> ui;
    ParameterSet m_parameters;
    WindowState m_state; // language, messages, Com port
    bool m_testMode = false;
    bool m_closed = false;
    bool m_terminating = false; // a termination signal closes without questions
    Settings m_settings;        // also keeps the [PORTS] mapping
    WindowPlacement m_placement{*this};
    std::unique_ptr<FormBinding> m_binding; // controls <-> parameters, undo history
    std::unique_ptr<FormEvents> m_events;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<WindowLinkView> m_linkView;
    std::unique_ptr<PollCycle> m_link;
    std::unique_ptr<LinkPresenter> m_presenter;
    std::unique_ptr<TuningTools> m_tools;
    ComPortCommands *m_comPorts = nullptr; // QObject children of the window
    LanguageCommands *m_languages = nullptr;
    QtTranslations *m_qtTexts = nullptr;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<PrintCommand> m_print;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<WindowSettings> m_windowSettings;
    QTimer *Timer1 = nullptr;
    std::unique_ptr<ToolCommands> m_toolCommands;
    RideLogCommand *m_rideLog = nullptr; // a child of the window
};
