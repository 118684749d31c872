#pragma once

#include <QObject>
#include <QString>

class QTranslator;

// Qt's own texts (file dialogs, message box buttons, edit menus) in the
// window's language, from the translations Qt installs; English needs none,
// and a language whose file is missing stays English.
class QtTranslations : public QObject
{
    Q_OBJECT

public:
    // folder holds the translations; Qt's own folder unless given.
    explicit QtTranslations(QObject *parent = nullptr, const QString &folder = QString());

    void setLanguage(quint8 language);

private:
    QString m_folder;
    QTranslator *m_translator = nullptr; // installed, or none
};
