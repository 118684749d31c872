#pragma once

#include "FileDialog.h"
#include "SettingsPart.h"

#include <QString>
#include <QStringList>

class FormBinding;
class MessageLine;
class ParameterSet;
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
    void setLastFilePath(const QString &path) { m_lastFilePath = path; }
    void restoreFrom(const Settings &settings) override;
    void keepIn(Settings &settings) const override;

    void newSet();
    void open();
    void save();
    // Open's second half, shared with the command line and the history of sets.
    void openFile(const QString &path);
    void openStartFile(const QStringList &arguments);

private:
    QWidget &m_window;
    ParameterSet &m_parameters;
    FormBinding &m_binding;
    MessageLine &m_messageLine;
    const lang::MessageTable &m_messages;
    QLabel &m_fileLabel;
    QString m_lastFilePath;
    FileDialog m_fileDialog = [this](FileDialogKind kind, const QString &proposed) {
        return askForParameterFile(&m_window, kind, proposed);
    };
};
