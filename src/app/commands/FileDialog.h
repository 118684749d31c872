#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class FileDialogKind
{
    Open,
    Save
};

// Asks the user for a .ign file, proposing a path (may be empty). Returns the
// chosen path, or an empty text when the user cancels.
using FileDialog = std::function<QString(FileDialogKind kind, const QString &proposed)>;

// The toolkit's open and save dialogs, modal over parent: "Ignition
// Parametrs(*.ign)" (and "All Files (*.*)" when opening), default suffix
// "ign", and a question before an existing file is overwritten.
QString askForParameterFile(QWidget *parent, FileDialogKind kind, const QString &proposed);
