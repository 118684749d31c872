#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "ConfigPaths.h"
#include "DesignExtras.h"
#include "FormBinding.h"
#include "FormEvents.h"
#include "ImageFile.h"
#include "LanguageTexts.h"
#include "SettingsFile.h"
#include "TestSwitch.h"
#include "platform/TerminationSignals.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

// First command-line words that choose the language, case-sensitive.
const char *const kLanguageWords[lang::kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};

} // namespace

TFormHlav::TFormHlav(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFormHlav>())
{
    ui->setupUi(this);
    applyDesignExtras(this);
    m_binding = std::make_unique<FormBinding>(*ui, m_parameters, m_language, m_comPort);
    m_events = std::make_unique<FormEvents>(*ui, *m_binding);
    m_terminationSignals = new TerminationSignals(this);
    connect(m_terminationSignals, &TerminationSignals::terminationRequested, this, &QWidget::close);
    FormCreate(arguments);
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::FormCreate(const QStringList &arguments)
{
    m_comPort = 1;
    m_parameters.setBike(0);
    m_parameters.SetDefaults();
    resize(kDesignWidth, kDesignHeight);
    centreOnScreen();
    LoadSettings();
    keepOnSomeScreen();
    applyLanguageWord(arguments);
    ApplyRangeRule();
    lang::applyLanguageTexts(this, m_messages, m_language);
    m_binding->ShowParameterSet();
    m_binding->StartUndoHistory();
    for (QWidget *label : {(QWidget *)ui->LabelHlaseni, (QWidget *)ui->CGaugeProgram,
                           (QWidget *)ui->LabelEeDataErr, (QWidget *)ui->LabelVersion})
        label->hide();
    readTestSwitch();
    showTestLabels();
    m_binding->ApplyVisibilityRules();
}

void TFormHlav::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TFormHlav::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    m_binding->CollectControls();
    ApplyRangeRule();
    SaveSettings();
}

void TFormHlav::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

// A position stored while another monitor was attached may lie off every
// screen now; such a window would be unreachable, so it opens centred.
void TFormHlav::keepOnSomeScreen()
{
    const QRect bounds(pos(), size());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(bounds))
            return;
    }
    centreOnScreen();
}

void TFormHlav::applyLanguageWord(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return;
    for (quint8 i = 0; i < lang::kLanguageCount; ++i) {
        if (arguments.first() == QLatin1String(kLanguageWords[i]))
            m_language = i;
    }
}

void TFormHlav::ApplyRangeRule()
{
    m_binding->ApplyRangeRule();
}

void TFormHlav::LoadSettings()
{
    m_settings = SettingsFile::load(ConfigPaths::settingsFile());
    const Settings &s = m_settings;
    move(s.left.value_or(x()), s.top.value_or(y()));
    resize(s.width.value_or(width()), s.height.value_or(height()));
    m_comPort = s.comPort.value_or(m_comPort);
    m_language = s.language.value_or(m_language);
    ui->LabelFile2->setText(s.file.value_or(QString()));
    m_lastFilePath = s.iniDir.value_or(QString());
    ui->CheckBoxIgnAll->setChecked(s.ignAll.value_or(ui->CheckBoxIgnAll->isChecked()));
    ImageFile::load(ConfigPaths::imageFile(), m_parameters);
}

// A settings file that cannot be written is not reported: nobody is left to
// read a message while the window closes. The earlier file stays whole.
void TFormHlav::SaveSettings()
{
    Settings &s = m_settings;
    s.left = x();
    s.top = y();
    s.height = height();
    s.width = width();
    s.comPort = m_comPort;
    s.language = m_language;
    s.file = ui->LabelFile2->text();
    s.iniDir = m_lastFilePath;
    s.ignAll = ui->CheckBoxIgnAll->isChecked();
    SettingsFile::save(ConfigPaths::settingsFile(), s);
    ImageFile::save(ConfigPaths::imageFile(), m_parameters);
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
