#include "TuningTools.h"

#include "CompareWindow.h"
#include "IgnFile.h"
#include "LinkPresenter.h"
#include "MessageBox.h"
#include "MessageTable.h"
#include "TuningTexts.h"
#include "UnitInfo.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>

using lang::TuningText;

namespace {

QString askForCsvFile(QWidget *parent, quint8 language, const QString &proposed)
{
    // The toolkit's save dialog asks before an existing file is chosen.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(lang::tuningText(language, TuningText::CsvFiles));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

// A recording could not even begin there: found before the file is touched.
bool unwritable(const QString &path)
{
    const QFileInfo file(path);
    if (file.exists())
        return !file.isFile() || !file.isWritable();
    const QFileInfo folder(file.absolutePath());
    return !folder.isDir() || !folder.isWritable();
}

} // namespace

TuningTools::TuningTools(QMainWindow &window, QMenu &toolsMenu, const ParameterSet &image,
                         LinkPresenter &presenter, const lang::MessageTable &messages)
    : m_window(window), m_image(image), m_presenter(presenter), m_messages(messages)
{
    toolsMenu.addSeparator();
    m_compareFile = toolsMenu.addAction(QString());
    m_compareFile->setObjectName(QStringLiteral("MenuCompareFile"));
    m_compareFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_compareUnit = toolsMenu.addAction(QString());
    m_compareUnit->setObjectName(QStringLiteral("MenuCompareUnit"));
    m_record = toolsMenu.addAction(QString());
    m_record->setObjectName(QStringLiteral("MenuRecord"));
    m_record->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_compareFile, &QAction::triggered, this, &TuningTools::compareWithFile);
    connect(m_compareUnit, &QAction::triggered, this, &TuningTools::compareWithUnit);
    connect(m_record, &QAction::triggered, this, &TuningTools::toggleRecording);

    m_fileDialog = [this](FileDialogKind kind, const QString &proposed) {
        return askForParameterFile(&m_window, kind, proposed);
    };
    m_csvDialog = [this] {
        return askForCsvFile(
            &m_window, m_language,
            LiveRecording::proposedPath(
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                QDateTime::currentDateTime(), decodeUnitInfo(m_image.page(0)).name));
    };
    m_presenter.setStatusTap([this](const MonitorValues &values) { takeStatus(values); });
    setLanguage(m_messages.language());
}

TuningTools::~TuningTools()
{
    m_presenter.setStatusTap(nullptr);
}

void TuningTools::setLanguage(quint8 language)
{
    m_language = language;
    const auto text = [language](TuningText id) { return lang::tuningText(language, id); };
    m_compareFile->setText(text(TuningText::CompareWithFile));
    m_compareUnit->setText(text(TuningText::CompareWithUnit));
    m_record->setText(text(recording() ? TuningText::StopRecording : TuningText::RecordLiveValues));
    m_compareFile->setStatusTip(text(TuningText::CompareWithFileHint));
    m_compareUnit->setStatusTip(text(TuningText::CompareWithUnitHint));
    m_record->setStatusTip(text(TuningText::RecordLiveValuesHint));
    if (m_compare)
        m_compare->setLanguage(language);
    if (recording())
        showRecordingState();
}

void TuningTools::showCompareWindow()
{
    if (!m_compare) {
        QStringList bikeNames;
        if (const auto *bikes = m_window.findChild<QComboBox *>(QStringLiteral("ComboBoxBike"))) {
            for (int i = 0; i < bikes->count(); ++i)
                bikeNames << bikes->itemText(i);
        }
        m_compare = new CompareWindow(&m_window, bikeNames);
        m_compare->setLanguage(m_language);
    }
    m_compare->show();
    m_compare->raise();
}

void TuningTools::compareWithFile()
{
    const QString path = m_fileDialog(FileDialogKind::Open, m_lastFile);
    if (path.isEmpty())
        return;
    // Starts from the window's set, as Open does: bytes the file lacks are alike.
    ParameterSet file = m_image;
    switch (IgnFile::load(path, file)) {
    case IgnFile::LoadResult::CannotOpen:
        showMessageBox(&m_window, m_messages.text(lang::Msg::FileError));
        return;
    case IgnFile::LoadResult::VersionRefused:
        showMessageBox(&m_window, m_messages.text(lang::Msg::UnmatchedIgnFile));
        return;
    case IgnFile::LoadResult::Loaded:
        break;
    }
    m_lastFile = path;
    showCompareWindow();
    m_compare->showSets(m_image, file, path);
}

void TuningTools::compareSets(const ParameterSet &first, const QString &firstName,
                              const ParameterSet &second, const QString &secondName)
{
    showCompareWindow();
    m_compare->showNamedSets(first, firstName, second, secondName);
}

// A Read, Program or Verify under way is never cut short for a comparison.
void TuningTools::compareWithUnit()
{
    showCompareWindow();
    if (m_presenter.transferRuns()) {
        m_compare->showMessage(lang::tuningText(m_language, TuningText::UnitBusy));
        return;
    }
    m_compare->showMessage(lang::tuningText(m_language, TuningText::ReadingUnit));
    m_presenter.startReadOnly(m_unitSet, [this](const SequenceEnd &end, const QString &failure) {
        unitRead(end, failure);
    });
}

void TuningTools::unitRead(const SequenceEnd &end, const QString &failure)
{
    if (end.outcome != Outcome::Ok) {
        m_compare->showMessage(failure);
        return;
    }
    m_compare->showSets(m_image, m_unitSet, QString());
}

void TuningTools::toggleRecording()
{
    if (recording()) {
        stopRecording();
        return;
    }
    const QString path = m_csvDialog();
    if (!path.isEmpty())
        startRecording(path);
}

// Nothing is written before the first row, so an existing file stays as it
// was until the unit answers.
void TuningTools::startRecording(const QString &path)
{
    if (unwritable(path)) {
        const QString text = lang::tuningText(m_language, TuningText::CannotRecordTo)
                                 .arg(QDir::toNativeSeparators(path));
        showStatus(text);
        showMessageBox(&m_window, text);
        return;
    }
    m_recording = std::make_unique<LiveRecording>(path);
    m_record->setText(lang::tuningText(m_language, TuningText::StopRecording));
    showRecordingState();
}

void TuningTools::stopRecording()
{
    if (!m_recording)
        return;
    const std::unique_ptr<LiveRecording> ended = std::move(m_recording);
    m_record->setText(lang::tuningText(m_language, TuningText::RecordLiveValues));
    showStatus(lang::tuningText(m_language, TuningText::RecordingStopped)
                   .arg(QDir::toNativeSeparators(ended->path()))
                   .arg(ended->rows()));
}

void TuningTools::takeStatus(const MonitorValues &values)
{
    if (!m_recording)
        return;
    if (m_recording->take(QDateTime::currentDateTime(), values)) {
        showRecordingState();
        return;
    }
    const QString text =
        lang::tuningText(m_language, TuningText::RecordWriteError)
            .arg(QDir::toNativeSeparators(m_recording->path()), m_recording->errorString());
    m_recording.reset();
    m_record->setText(lang::tuningText(m_language, TuningText::RecordLiveValues));
    showStatus(text);
    showMessageBox(&m_window, text);
}

void TuningTools::showRecordingState()
{
    showStatus(lang::tuningText(m_language, TuningText::Recording)
                   .arg(QDir::toNativeSeparators(m_recording->path()))
                   .arg(m_recording->rows()));
}

void TuningTools::showStatus(const QString &text)
{
    m_window.statusBar()->showMessage(text);
}
