#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

// The program's message boxes, which it shows without waiting in them.
namespace testboxes {

inline QStringList shownMessageTexts()
{
    QStringList texts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible())
            texts << box->text();
    }
    return texts;
}

inline void closeMessageBoxes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            box->close();
    }
}

} // namespace testboxes
