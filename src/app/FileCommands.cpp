#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "FormBinding.h"
#include "IgnFile.h"
#include "LanguageCommands.h"
#include "LinkPresenter.h"
#include "MessageBox.h"

#include <QFileInfo>
#include <QMessageBox>

void TFormHlav::connectFileCommands()
{
    connect(ui->MenuNew, &QAction::triggered, this, &TFormHlav::MenuNewClick);
    connect(ui->MenuOpen, &QAction::triggered, this, &TFormHlav::MenuOpenClick);
    connect(ui->MenuSave, &QAction::triggered, this, &TFormHlav::MenuSaveClick);
}

// The message line is cleared before the change is committed, so that the
// programming a committed change may start keeps its own line in view.
void TFormHlav::hideMessageLine()
{
    m_presenter->messageLine().hide();
}

void TFormHlav::MenuNewClick()
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("ZEVRA-S2"),
                         m_messages.text(lang::Msg::DefaultSettingQuestion),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::Yes)
        return;
    hideMessageLine();
    m_parameters.SetDefaults();
    m_binding->CommitChange();
    ui->LabelFile2->setText(QString());
}

void TFormHlav::MenuOpenClick()
{
    const QString path = m_fileDialog(FileDialogKind::Open, m_lastFilePath);
    hideMessageLine();
    if (!path.isEmpty())
        openParameterFile(path);
}

// A file named on the command line after the optional language word, as a
// desktop's file manager passes it, opens as File -> Open would open it.
void TFormHlav::openStartFile(const QStringList &arguments)
{
    const bool languageFirst =
        !arguments.isEmpty() && LanguageCommands::isLanguageWord(arguments.first());
    const QStringList rest = arguments.mid(languageFirst ? 1 : 0);
    if (!rest.isEmpty())
        openParameterFile(QFileInfo(rest.first()).absoluteFilePath());
}

// Open's second half, shared with a file from the command line and the history of sets.
void TFormHlav::openParameterFile(const QString &path)
{
    switch (IgnFile::load(path, m_parameters)) {
    case IgnFile::LoadResult::CannotOpen:
        showMessageBox(this, m_messages.text(lang::Msg::FileError));
        break;
    case IgnFile::LoadResult::VersionRefused:
        showMessageBox(this, m_messages.text(lang::Msg::UnmatchedIgnFile));
        break;
    case IgnFile::LoadResult::Loaded:
        m_binding->CommitChange();
        ui->LabelFile2->setText(path);
        m_lastFilePath = path;
        break;
    }
}

// The file takes the window as it stands. When it cannot be written nothing
// changes: not the image, nor the controls (which keep what was typed for
// another try), the undo history or the unit. A collect may move the polarity
// group, which counts as a click, so it runs only once the file is written.
void TFormHlav::MenuSaveClick()
{
    const QString path = m_fileDialog(FileDialogKind::Save, m_lastFilePath);
    if (path.isEmpty())
        return;
    if (!IgnFile::save(path, m_binding->collectedSet())) {
        showMessageBox(this, m_messages.text(lang::Msg::FileError));
        return;
    }
    m_binding->CollectControls();
    m_binding->ApplyRangeRule();
    m_binding->ShowParameterSet();
    ui->LabelFile2->setText(path);
    m_lastFilePath = path;
}
