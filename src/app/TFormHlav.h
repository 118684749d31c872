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
class TerminationSignals;

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

protected:
    void closeEvent(QCloseEvent *event) override;

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
};
