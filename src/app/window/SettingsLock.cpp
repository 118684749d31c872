#include "SettingsLock.h"

#include "MessageTable.h"

#include <QDir>
#include <QMessageBox>

SettingsLock::SettingsLock(const QString &folder)
    : m_folder(folder), m_lock(QDir(folder).filePath(QString::fromLatin1(kFileName)))
{
}

bool SettingsLock::acquire(quint8 language, QWidget *parent)
{
    QDir().mkpath(m_folder);
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    lang::MessageTable messages;
    messages.fill(language);
    QMessageBox question(QMessageBox::Question, QStringLiteral("ZEVRA-S2"),
                         messages.text(lang::Msg::AnotherWindowRuns).arg(m_folder),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}
