#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "CloseWarning.h"
#include "ComPortCommands.h"
#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "DesignExtras.h"
#include "FileCommands.h"
#include "FindUnitCommand.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "HelpCommands.h"
#include "LanguageCommands.h"
#include "LinkPresenter.h"
#include "PollCycle.h"
#include "PrintCommand.h"
#include "QtTranslations.h"
#include "RideLogCommand.h"
#include "ScreenFit.h"
#include "SerialPort.h"
#include "SetMarks.h"
#include "TerminationSignals.h"
#include "TestSwitch.h"
#include "TextFit.h"
#include "ToolCommands.h"
#include "WindowLinkView.h"
#include "WindowSettings.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QSignalBlocker>
#include <QTimer>

TFormHlav::TFormHlav(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFormHlav>())
{
    // Before the form: reading the theme takes memory for a moment, which the
    // form then reuses rather than adding to the program's peak.
    readIconTheme();
    {
        // The texts fit once the form is whole, not after each control made.
        const TextFitLayout::Batch fitOnce;
        ui->setupUi(this);
        // Before the design fonts are set: moving the content into its scroll
        // area then changes no font, which would lay every text out again.
        new ScreenFit(*this, m_placement);
        applyDesignExtras(this);
    }
    m_binding = std::make_unique<FormBinding>(*ui, m_parameters, m_state);
    m_events = std::make_unique<FormEvents>(*ui, *m_binding);
    m_port = std::make_unique<SerialPort>();
    m_linkView = std::make_unique<WindowLinkView>(*ui, *m_binding);
    m_link = std::make_unique<PollCycle>(*m_port);
    m_presenter =
        std::make_unique<LinkPresenter>(*m_link, m_parameters, m_state.messages(), *m_linkView);
    m_comPorts = new ComPortCommands(
        {*ui->MenuCom,
         {ui->MenuCom1, ui->MenuCom2, ui->MenuCom3, ui->MenuCom4, ui->MenuCom5, ui->MenuCom6,
          ui->MenuCom7, ui->MenuCom8, ui->MenuCom9, ui->MenuCom10}},
        *this, *statusBar(), m_settings, m_state, *m_link, *m_presenter);
    m_languages =
        new LanguageCommands({ui->MenuEnglish, ui->MenuGerman, ui->MenuFrench, ui->MenuCzech},
                             *this, m_state, *m_binding);
    // Qt's own dialogs and buttons follow the window's language.
    m_qtTexts = new QtTranslations(this);
    connect(&m_state, &WindowState::languageChanged, m_qtTexts,
            [this] { m_qtTexts->setLanguage(m_state.language()); });
    m_files =
        std::make_unique<FileCommands>(*this, m_parameters, *m_binding, m_presenter->messageLine(),
                                       m_state.messages(), *ui->LabelFile2);
    m_print = std::make_unique<PrintCommand>(*this, *ui->centralwidget, *ui->RadioGroupInput1,
                                             *m_binding, *m_presenter, m_state.messages());
    m_help = std::make_unique<HelpCommands>(*this, m_state.messages(),
                                            [this] { return m_state.language(); });
    m_tools = std::make_unique<TuningTools>(*this, *ui->MenuRecord, *ui->ComboBoxBike, m_parameters,
                                            *m_link, *m_presenter, m_state);
    connectCommands();
    m_toolCommands = std::make_unique<ToolCommands>(
        ToolCommands::Parts{*this, *statusBar(), *ui->LabelFile2}, m_parameters, m_state,
        *m_binding, *m_events, *m_link, m_presenter->messageLine(), *m_files);
    m_toolCommands->setCompareSets([this](const ParameterSet &first, const QString &firstName,
                                          const ParameterSet &second, const QString &secondName) {
        m_tools->compareSets(first, firstName, second, secondName);
    });
    m_toolCommands->readUnitWith(*m_tools);
    m_rideLog = new RideLogCommand(*this, m_parameters, m_state, *m_binding,
                                   m_toolCommands->curveGraph(), *m_files);
    m_windowSettings = std::make_unique<WindowSettings>(
        *this,
        WindowSettings::Parts{
            m_placement,
            *ui->LabelFile2,
            *ui->CheckBoxIgnAll,
            {static_cast<SettingsPart *>(m_files.get()), &m_toolCommands->curveGraph()}},
        m_settings, m_parameters, m_state);
    auto *terminationSignals = new TerminationSignals(this);
    // A signal ends the window at once: nobody may be there to answer a box.
    connect(terminationSignals, &TerminationSignals::terminationRequested, this, [this] {
        m_terminating = true;
        close();
    });
    FormCreate(arguments);
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::FormCreate(const QStringList &arguments)
{
    const TextFitLayout::Batch fitOnce; // the texts fit once, in their start language
    m_parameters.setBike(0);
    m_parameters.SetDefaults();
    resize(kDesignWidth, kDesignHeight);
    m_placement.centreOnScreen();
    {
        // The language settled here is shown once, below.
        const QSignalBlocker settling(m_state);
        m_state.setComPort(1);
        LoadSettings();
        m_placement.keepOnSomeScreen();
        m_languages->applyLanguageWord(arguments);
        ApplyRangeRule();
    }
    m_state.setLanguage(m_state.language()); // the language pass and the set shown
    m_binding->StartUndoHistory();
    m_toolCommands->setMarks().fileMatched(); // the set and file line the last run left
    m_comPorts->openComPort();
    m_comPorts->checkComMenuItem();
    m_binding->ShowParameterSet();
    m_presenter->messageLine().hide();
    ui->LabelEeDataErr->hide();
    ui->LabelVersion->hide();
    readTestSwitch();
    showTestLabels();
    m_binding->ApplyVisibilityRules();
    m_comPorts->updateComMenuTips();
    if (!m_rideLog->openStartFile(arguments))
        m_files->openStartFile(arguments);

    // The first tick comes once the event loop runs, after this sequence.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(PollCycle::kTickMs);
    connect(Timer1, &QTimer::timeout, this, &TFormHlav::Timer1Timer);
    Timer1->start();
}

namespace {

// The button takes over the item's texts and enabled state and triggers it.
// The item carries the button's picture, hidden in the menu, which has
// always shown text only.
void shareAction(QToolButton &button, QAction &item)
{
    item.setIcon(button.icon());
    item.setIconVisibleInMenu(false);
    button.setDefaultAction(&item);
}

} // namespace

// Every menu item and button of the window, menu by menu in the menu's
// order: item -> handler -> command object. The curve and undo items and
// buttons are the form's edits and go with its other edit handlers
// (FormEvents); the Com and Language items each carry their number in a group.
void TFormHlav::connectCommands()
{
    // The undo and redo buttons keep their own enabled state, which the
    // menu items do not follow, and Read, Verify and Program are push buttons.
    shareAction(*ui->SpeedButton6, *ui->MenuNew);
    shareAction(*ui->SpeedButton5, *ui->MenuOpen);
    shareAction(*ui->SpeedButton7, *ui->MenuSave);
    shareAction(*ui->SpeedButtonPrint, *ui->MenuPrint);

    // File
    connect(ui->MenuNew, &QAction::triggered, this, &TFormHlav::MenuNewClick);
    connect(ui->MenuOpen, &QAction::triggered, this, &TFormHlav::MenuOpenClick);
    connect(ui->MenuSave, &QAction::triggered, this, &TFormHlav::MenuSaveClick);
    connect(ui->MenuPrint, &QAction::triggered, this, &TFormHlav::SpeedButtonPrintClick);
    connect(ui->MenuExit, &QAction::triggered, this, &TFormHlav::MenuExitClick);

    // Com
    connect(&m_comPorts->group(), &QActionGroup::triggered, this, &TFormHlav::MenuCom1Click);
    connect(ui->MenuChooseDevice, &QAction::triggered, this, &TFormHlav::MenuChooseDeviceClick);
    connect(ui->MenuFindUnit, &QAction::triggered, this, &TFormHlav::MenuFindUnitClick);

    // Device
    connect(ui->MenuRead, &QAction::triggered, this, &TFormHlav::MenuReadClick);
    connect(ui->ButtonRead, &QPushButton::clicked, this, &TFormHlav::MenuReadClick);
    connect(ui->MenuVerify, &QAction::triggered, this, &TFormHlav::MenuVerifyClick);
    connect(ui->ButtonVerify, &QPushButton::clicked, this, &TFormHlav::MenuVerifyClick);
    connect(ui->MenuProgram, &QAction::triggered, this, &TFormHlav::MenuProgramClick);
    connect(ui->ButtonProgram, &QPushButton::clicked, this, &TFormHlav::MenuProgramClick);
    connect(m_binding.get(), &FormBinding::startProgramming, this,
            [this] { m_presenter->startProgramAtOnce(); });

    // Tools
    connect(ui->MenuCompareFile, &QAction::triggered, this, &TFormHlav::MenuCompareFileClick);
    connect(ui->MenuCompareUnit, &QAction::triggered, this, &TFormHlav::MenuCompareUnitClick);
    connect(ui->MenuRecord, &QAction::triggered, this, &TFormHlav::MenuRecordClick);
    connect(ui->MenuCurveGraph, &QAction::triggered, this, &TFormHlav::MenuCurveGraphClick);
    connect(ui->MenuHistory, &QAction::triggered, this, &TFormHlav::MenuHistoryClick);
    connect(ui->MenuRideLog, &QAction::triggered, this, &TFormHlav::MenuRideLogClick);

    // Language
    connect(ui->MenuEnglish, &QAction::triggered, this, &TFormHlav::MenuEnglishClick);
    connect(ui->MenuGerman, &QAction::triggered, this, &TFormHlav::MenuGermanClick);
    connect(ui->MenuFrench, &QAction::triggered, this, &TFormHlav::MenuFrenchClick);
    connect(ui->MenuCzech, &QAction::triggered, this, &TFormHlav::MenuCzechClick);

    // Help
    connect(ui->MenuContens, &QAction::triggered, this, &TFormHlav::MenuContensClick);
    connect(ui->MenuAbout, &QAction::triggered, this, &TFormHlav::MenuAboutClick);
}

void TFormHlav::Timer1Timer()
{
    m_link->tick();
}

void TFormHlav::MenuNewClick()
{
    m_files->newSet();
}

void TFormHlav::MenuOpenClick()
{
    m_files->open();
}

void TFormHlav::MenuSaveClick()
{
    m_files->save();
}

void TFormHlav::setFileDialog(FileDialog dialog)
{
    m_files->setFileDialog(std::move(dialog));
}

void TFormHlav::SpeedButtonPrintClick()
{
    m_print->print();
}

void TFormHlav::MenuCompareFileClick()
{
    m_tools->compareWithFile();
}

void TFormHlav::MenuCompareUnitClick()
{
    m_tools->compareWithUnit();
}

void TFormHlav::MenuRecordClick()
{
    m_tools->toggleRecording();
}

void TFormHlav::MenuCurveGraphClick()
{
    m_toolCommands->openCurveGraph();
}

void TFormHlav::MenuHistoryClick()
{
    m_toolCommands->openHistory();
}

void TFormHlav::MenuRideLogClick()
{
    m_rideLog->MenuRideLogClick();
}

void TFormHlav::MenuEnglishClick()
{
    m_languages->choose(*ui->MenuEnglish);
}

void TFormHlav::MenuGermanClick()
{
    m_languages->choose(*ui->MenuGerman);
}

void TFormHlav::MenuFrenchClick()
{
    m_languages->choose(*ui->MenuFrench);
}

void TFormHlav::MenuCzechClick()
{
    m_languages->choose(*ui->MenuCzech);
}

void TFormHlav::MenuContensClick()
{
    m_help->showManual();
}

void TFormHlav::MenuAboutClick()
{
    m_help->showAbout();
}

void TFormHlav::MenuExitClick()
{
    close();
}

// A read replaces the file's set, so the file name goes even if it fails.
void TFormHlav::MenuReadClick()
{
    m_presenter->startRead();
    ui->LabelFile2->clear();
}

void TFormHlav::MenuVerifyClick()
{
    collectForTransfer();
    m_presenter->startVerify();
}

void TFormHlav::MenuProgramClick()
{
    collectForTransfer();
    m_presenter->startProgram();
}

// Program and Verify send the window as it stands, normalised and shown.
void TFormHlav::collectForTransfer()
{
    m_binding->CollectControls();
    m_parameters.NormaliseParameterSet();
    m_binding->ShowParameterSet();
}

// The one handler of the ten numbered Com items.
void TFormHlav::MenuCom1Click(QAction *item)
{
    m_comPorts->choosePort(item->data().toInt());
}

void TFormHlav::MenuChooseDeviceClick()
{
    m_comPorts->chooseDevice();
}

void TFormHlav::MenuFindUnitClick()
{
    m_comPorts->findUnit().find();
}

void TFormHlav::setViewerCheck(ViewerCheck check)
{
    m_help->setViewerCheck(std::move(check));
}

void TFormHlav::setPortAccessCheck(PortSurvey::AccessCheck check)
{
    m_comPorts->setPortAccessCheck(std::move(check));
}

void TFormHlav::closeEvent(QCloseEvent *event)
{
    if (!m_closed && !m_terminating)
        warnOfUnverifiedSet(this, *m_link, m_state.messages());
    FormClose();
    event->accept();
}

bool TFormHlav::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::WinIdChange:
    case QEvent::Show:
    case QEvent::Move:
        m_placement.fitOuterSizeToFrame();
        break;
    default:
        break;
    }
    return handled;
}

void TFormHlav::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    m_tools->stopRecording(); // a recording ends with the window
    m_link->closeComPort();
    m_binding->CollectControls();
    ApplyRangeRule();
    SaveSettings();
}

void TFormHlav::ApplyRangeRule()
{
    m_binding->ApplyRangeRule();
}

void TFormHlav::LoadSettings()
{
    m_windowSettings->load();
}

void TFormHlav::SaveSettings()
{
    m_windowSettings->save();
}

void TFormHlav::readTestSwitch()
{
    m_testMode = TestSwitch::isEnabled(ConfigPaths::testSwitchFile());
}

void TFormHlav::showTestLabels()
{
    for (QLabel *label : {ui->LabelTest1, ui->LabelTest2, ui->LabelTest3, ui->LabelTest4,
                          ui->LabelTest5, ui->LabelTest6, ui->LabelTest7, ui->LabelTest8})
        label->setVisible(m_testMode);
}
