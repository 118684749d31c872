#include "FileDialog.h"

#include <QFileDialog>

QString askForParameterFile(QWidget *parent, FileDialogKind kind, const QString &proposed)
{
    QFileDialog dialog(parent);
    QStringList filters{QStringLiteral("Ignition Parametrs(*.ign)")};
    if (kind == FileDialogKind::Open) {
        filters << QStringLiteral("All Files (*.*)");
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
