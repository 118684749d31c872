#pragma once

#include "MessageTable.h"
#include "ParameterSet.h"
#include "SettingsFile.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class TFormHlav;
}
class FormBinding;
class FormEvents;
class PollCycle;
class QAction;
class QTimer;
class SerialPort;
class TerminationSignals;
class WindowLinkView;

// The main window: owns the parameter image, the link, the undo history and
// the texts of the current language, and wires the controls to them.
class TFormHlav : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kDesignWidth = 834;
    static constexpr int kDesignHeight = 758;

    explicit TFormHlav(const QStringList &arguments, QWidget *parent = nullptr);
    ~TFormHlav() override;

    ParameterSet &parameters() { return m_parameters; }
    quint8 comPort() const { return m_comPort; }
    quint8 language() const { return m_language; }
    bool testMode() const { return m_testMode; }
    const PollCycle &link() const { return *m_link; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Link: tick, port and transactions.
    void Timer1Timer();
    void MenuCom1Click();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();

    // File commands.

    // Language commands.
    void MenuEnglishClick();
    void MenuGermanClick();
    void MenuFrenchClick();
    void MenuCzechClick();

    // Printing.

    // Help, about and exit.

private:
    void FormCreate(const QStringList &arguments);
    void FormClose();

    void centreOnScreen();
    void keepOnSomeScreen();
    void LoadSettings();
    void SaveSettings();
    void applyLanguageWord(const QStringList &arguments);
    void ApplyRangeRule();
    void readTestSwitch();

    void showTestLabels();
    void connectCommands();
    void connectLanguageCommands();
    void switchLanguage(quint8 language);
    void OpenComPort();
    void checkComMenuItem();
    QList<QAction *> comMenuItems() const;

    std::unique_ptr<Ui::TFormHlav> ui;
    ParameterSet m_parameters;
    lang::MessageTable m_messages;
    quint8 m_comPort = 1;
    quint8 m_language = lang::English;
    bool m_testMode = false;
    bool m_closed = false;
    QString m_lastFilePath;
    Settings m_settings; // also keeps the [PORTS] mapping
    TerminationSignals *m_terminationSignals = nullptr;
    std::unique_ptr<FormBinding> m_binding; // controls <-> parameters, undo history
    std::unique_ptr<FormEvents> m_events;
    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<WindowLinkView> m_linkView;
    std::unique_ptr<PollCycle> m_link;
    QTimer *Timer1 = nullptr;
};
