#pragma once

#include "FileDialog.h"
#include "HistoryFolder.h"
#include "ParameterSet.h"
#include "SettingsPart.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class FormBinding;
class MessageLine;
class QLabel;
class QWidget;
namespace lang {
class MessageTable;
}

// New, Open and Save of parameter files, the file named on the command line,
// and the path the file dialogs start from, which the settings keep.
class FileCommands : public SettingsPart
{
public:
    // fileLabel shows the path of the file the image came from.
    FileCommands(QWidget &window, ParameterSet &parameters, FormBinding &binding,
                 MessageLine &messageLine, const lang::MessageTable &messages, QLabel &fileLabel);

    // Replaces the open and save dialogs, so that the commands can run without a user.
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    const QString &lastFilePath() const { return m_lastFilePath; }
    // A path into the history folder is not taken: its entries are records,
    // and no dialog should start there to overwrite one.
    void setLastFilePath(const QString &path);
    // The folder of the history of sets, which no command but the history writes into.
    void setHistoryFolder(const HistoryFolder &folder) { m_history = folder; }
    // Told after New, Open and Save: the window's set is the file's now.
    void setFileMatched(std::function<void()> matched) { m_fileMatched = std::move(matched); }
    void restoreFrom(const Settings &settings) override;
    void keepIn(Settings &settings) const override;

    void newSet();
    void open();
    void save();
    // Open's second half, shared with the command line and the history of sets.
    void openFile(const QString &path);
    // Opens a set of the history as a record: the file line says where it
    // came from, and neither the file line nor the dialogs take its path.
    void openHistoryEntry(const HistoryEntry &entry);
    void openStartFile(const QStringList &arguments);
    // A file's set over the window's (bytes the file lacks stay alike), or
    // none once a box has said why it cannot be read.
    std::optional<ParameterSet> readSet(const QString &path);

private:
    void openHistoryEntry(const HistoryEntry &entry, const QString &path);
    bool load(const QString &path);

    QWidget &m_window;
    ParameterSet &m_parameters;
    FormBinding &m_binding;
    MessageLine &m_messageLine;
    const lang::MessageTable &m_messages;
    QLabel &m_fileLabel;
    QString m_lastFilePath;
    HistoryFolder m_history;
    std::function<void()> m_fileMatched;
    FileDialog m_fileDialog = [this](FileDialogKind kind, const QString &proposed) {
        return askForParameterFile(&m_window, kind, proposed);
    };
};
