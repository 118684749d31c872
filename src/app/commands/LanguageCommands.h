#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class FormBinding;
class QAction;
class QActionGroup;
class QWidget;
class WindowState;

// The Language menu: its four items in one exclusive group carrying each
// item's language index, and the switch that follows a click. Every part of
// the window that shows a text hears the switch from the window state.
class LanguageCommands : public QObject
{
    Q_OBJECT

public:
    // items in language-index order.
    LanguageCommands(const QList<QAction *> &items, QWidget &window, WindowState &state,
                     FormBinding &binding);

    QActionGroup &group() const { return *m_group; }

    // A click on one of the items: switches to the language it carries.
    void choose(const QAction &item);

    // Only texts change: the port, the link, the file name and the undo history
    // stay. The controls are shown from the image again, not read first, so the
    // radio groups select their items anew and an unconfirmed value is dropped.
    void switchLanguage(quint8 language);

    // The first command-line word may choose the language, case-sensitive.
    static bool isLanguageWord(const QString &word);
    // The language a first command-line word chooses, if it is a language word.
    static std::optional<quint8> languageOfWord(const QStringList &arguments);
    void applyLanguageWord(const QStringList &arguments);

private:
    // The state's language changed: the language pass over the form, then the set shown again.
    void showLanguage();

    QActionGroup *m_group;
    QWidget &m_window;
    WindowState &m_state;
    FormBinding &m_binding;
};
