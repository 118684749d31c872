#include "TuningTools.h"

#include "CompareWindow.h"
#include "ControlTexts.h"
#include "IgnFile.h"
#include "LinkPresenter.h"
#include "MessageBox.h"
#include "MessageTable.h"
#include "PollCycle.h"
#include "ToolTexts.h"
#include "UnitInfo.h"
#include "WindowState.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStandardPaths>
#include <QStatusBar>

using lang::Tool;

namespace {

QString askForCsvFile(QWidget *parent, quint8 language, const QString &proposed)
{
    // The toolkit's save dialog asks before an existing file is chosen.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(lang::toolText(Tool::CsvFiles, language));
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

TuningTools::TuningTools(QMainWindow &window, QAction &recordItem, const QComboBox &bikeList,
                         const ParameterSet &image, PollCycle &link, LinkPresenter &presenter,
                         const WindowState &state)
    : m_window(window), m_bikeList(bikeList), m_image(image), m_presenter(presenter),
      m_state(state), m_record(recordItem)
{
    m_fileDialog = [this](FileDialogKind kind, const QString &proposed) {
        return askForParameterFile(&m_window, kind, proposed);
    };
    // Proposed in the user's documents folder, named by date, time and unit.
    m_csvDialog = [this] {
        return askForCsvFile(
            &m_window, m_state.language(),
            LiveRecording::proposedPath(
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                QDateTime::currentDateTime(), decodeUnitInfo(m_image.page(0)).name));
    };
    connect(&m_state, &WindowState::languageChanged, this, &TuningTools::showTexts);
    link.addListener(*this);
}

TuningTools::~TuningTools() = default;

// After the language pass, which gave the items their captions.
void TuningTools::showTexts()
{
    if (m_compare)
        m_compare->setLanguage(m_state.language());
    if (recording()) {
        m_record.setText(lang::toolText(Tool::StopRecording, m_state.language()));
        showRecordingState();
    }
}

void TuningTools::showCompareWindow()
{
    if (!m_compare) {
        QStringList bikeNames;
        for (int i = 0; i < m_bikeList.count(); ++i)
            bikeNames << m_bikeList.itemText(i);
        m_compare = new CompareWindow(&m_window, bikeNames);
        m_compare->setLanguage(m_state.language());
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
        showMessageBox(&m_window, m_state.messages().text(lang::Msg::FileError));
        return;
    case IgnFile::LoadResult::VersionRefused:
        showMessageBox(&m_window, m_state.messages().text(lang::Msg::UnmatchedIgnFile));
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
    m_compare->showMessage(lang::toolText(Tool::ReadingUnit, m_state.language()));
    readUnitSet(
        [this](const ParameterSet *set, const QString &failure) {
            if (set)
                m_compare->showSets(m_image, *set, QString());
            else
                m_compare->showMessage(failure);
        },
        lang::toolText(Tool::UnitBusy, m_state.language()));
}

// Each ask starts the read again; one replaced never ends, so the read that
// does end answers everyone waiting.
void TuningTools::readUnitSet(const UnitSetTaken &taken, const QString &busyText)
{
    if (m_presenter.transferRuns()) {
        taken(nullptr, busyText);
        return;
    }
    m_unitSetWaiting.push_back(taken);
    m_presenter.startReadOnly(m_unitSet);
}

// Only the tools start read-only reads.
void TuningTools::sequenceEnded(const SequenceEnd &end)
{
    if (end.sequence != SequenceKind::ReadOnly || m_unitSetWaiting.empty())
        return;
    const std::vector<UnitSetTaken> waiting = std::move(m_unitSetWaiting);
    m_unitSetWaiting.clear();
    const bool ok = end.outcome == Outcome::Ok;
    const QString failure = ok ? QString() : m_presenter.failureText(end);
    for (const UnitSetTaken &taken : waiting)
        taken(ok ? &m_unitSet : nullptr, failure);
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
        const QString text = lang::toolText(Tool::CannotRecordTo, m_state.language())
                                 .arg(QDir::toNativeSeparators(path));
        showStatus(text);
        showMessageBox(&m_window, text);
        return;
    }
    m_recording = std::make_unique<LiveRecording>(path);
    m_record.setText(lang::toolText(Tool::StopRecording, m_state.language()));
    showRecordingState();
}

void TuningTools::stopRecording()
{
    if (!m_recording)
        return;
    const std::unique_ptr<LiveRecording> ended = std::move(m_recording);
    m_record.setText(lang::ControlTexts(m_state.language()).caption(m_record.objectName()));
    // Filled at once, so that a "%2" in the path stays as it is.
    showStatus(lang::toolText(Tool::RecordingStopped, m_state.language())
                   .arg(QDir::toNativeSeparators(ended->path()),
                        lang::rowCount(m_state.language(), ended->rows())));
}

void TuningTools::statusTaken(const MonitorValues &values)
{
    if (!m_recording)
        return;
    if (m_recording->take(QDateTime::currentDateTime(), values)) {
        showRecordingState();
        return;
    }
    const QString text =
        lang::toolText(Tool::RecordWriteError, m_state.language())
            .arg(QDir::toNativeSeparators(m_recording->path()), m_recording->errorString());
    m_recording.reset();
    m_record.setText(lang::ControlTexts(m_state.language()).caption(m_record.objectName()));
    showStatus(text);
    showMessageBox(&m_window, text);
}

void TuningTools::showRecordingState()
{
    showStatus(lang::toolText(Tool::Recording, m_state.language())
                   .arg(QDir::toNativeSeparators(m_recording->path()),
                        lang::rowCount(m_state.language(), m_recording->rows())));
}

void TuningTools::showStatus(const QString &text)
{
    m_window.statusBar()->showMessage(text);
}
