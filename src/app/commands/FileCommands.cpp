#include "FileCommands.h"

#include "ConfigPaths.h"
#include "FormBinding.h"
#include "IgnFile.h"
#include "LanguageCommands.h"
#include "MessageBox.h"
#include "MessageLine.h"
#include "MessageTable.h"
#include "ParameterSet.h"
#include "SettingsFile.h"
#include "ToolTexts.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

FileCommands::FileCommands(QWidget &window, ParameterSet &parameters, FormBinding &binding,
                           MessageLine &messageLine, const lang::MessageTable &messages,
                           QLabel &fileLabel)
    : m_window(window), m_parameters(parameters), m_binding(binding), m_messageLine(messageLine),
      m_messages(messages), m_fileLabel(fileLabel), m_history(ConfigPaths::historyFolder())
{
}

void FileCommands::setLastFilePath(const QString &path)
{
    if (!m_history.holds(path))
        m_lastFilePath = path;
}

// The message line is cleared before the change is committed, so that the
// programming a committed change may start keeps its own line in view.
void FileCommands::newSet()
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("ZEVRA-S2"),
                         m_messages.text(lang::Msg::DefaultSettingQuestion),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &m_window);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::Yes)
        return;
    m_messageLine.hide();
    m_parameters.SetDefaults();
    m_binding.CommitChange();
    m_fileLabel.setText(QString());
    if (m_fileMatched)
        m_fileMatched();
}

void FileCommands::open()
{
    const QString path = m_fileDialog(FileDialogKind::Open, m_lastFilePath);
    m_messageLine.hide();
    if (!path.isEmpty())
        openFile(path);
}

// A file named on the command line after the optional language word, as a
// desktop's file manager passes it, opens as File -> Open would open it. A
// first word that is neither a language word nor an existing file (a
// misspelt language, say) is passed over.
void FileCommands::openStartFile(const QStringList &arguments)
{
    const bool languageFirst =
        !arguments.isEmpty() && LanguageCommands::isLanguageWord(arguments.first());
    const QStringList rest = arguments.mid(languageFirst ? 1 : 0);
    if (rest.isEmpty())
        return;
    const QFileInfo file(rest.first());
    if (languageFirst || file.isFile())
        openFile(file.absoluteFilePath());
}

void FileCommands::openFile(const QString &path)
{
    if (m_history.holds(path))
        return openHistoryEntry(
            HistoryFolder::parse(QFileInfo(path).fileName()).value_or(HistoryEntry{}), path);
    if (!load(path))
        return;
    m_fileLabel.setText(path);
    m_lastFilePath = path;
    if (m_fileMatched)
        m_fileMatched();
}

void FileCommands::openHistoryEntry(const HistoryEntry &entry)
{
    openHistoryEntry(entry, entry.path);
}

void FileCommands::openHistoryEntry(const HistoryEntry &entry, const QString &path)
{
    if (!load(path))
        return;
    const QString time = entry.shortLocalTime();
    const QString when = time.isEmpty() ? QFileInfo(path).fileName() : time;
    m_fileLabel.setText(
        lang::toolText(lang::Tool::HistoryFromHistory, m_messages.language()).arg(when));
    if (m_fileMatched)
        m_fileMatched();
}

std::optional<ParameterSet> FileCommands::readSet(const QString &path)
{
    ParameterSet set = m_parameters;
    switch (IgnFile::load(path, set)) {
    case IgnFile::LoadResult::CannotOpen:
        showMessageBox(&m_window, m_messages.text(lang::Msg::FileError));
        return std::nullopt;
    case IgnFile::LoadResult::VersionRefused:
        showMessageBox(&m_window, m_messages.text(lang::Msg::UnmatchedIgnFile));
        return std::nullopt;
    case IgnFile::LoadResult::Loaded:
        break;
    }
    return set;
}

bool FileCommands::load(const QString &path)
{
    const auto set = readSet(path);
    if (!set)
        return false;
    m_parameters = *set;
    m_binding.CommitChange();
    return true;
}

// The file takes the window as it stands. When it cannot be written nothing
// changes: not the image, nor the controls (which keep what was typed for
// another try), the undo history or the unit. A collect may move the polarity
// group, which counts as a click, so it runs only once the file is written.
void FileCommands::save()
{
    const QString path = m_fileDialog(FileDialogKind::Save, m_lastFilePath);
    if (path.isEmpty())
        return;
    if (m_history.holds(path)) {
        showMessageBox(&m_window,
                       lang::toolText(lang::Tool::HistorySaveRefused, m_messages.language()));
        return;
    }
    if (!IgnFile::save(path, m_binding.collectedSet())) {
        showMessageBox(&m_window, m_messages.text(lang::Msg::FileError));
        return;
    }
    m_binding.CollectControls();
    m_binding.ApplyRangeRule();
    m_binding.ShowParameterSet();
    m_fileLabel.setText(path);
    m_lastFilePath = path;
    if (m_fileMatched)
        m_fileMatched();
}

void FileCommands::restoreFrom(const Settings &settings)
{
    setLastFilePath(settings.iniDir.value_or(QString()));
}

void FileCommands::keepIn(Settings &settings) const
{
    settings.iniDir = m_lastFilePath;
}
