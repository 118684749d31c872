#pragma once

#include <functional>

class QString;
class QWidget;

// A one-line message box that blocks the user but not the program: the poll
// cycle keeps ticking while it is open, and no handler waits inside it.
void showMessageBox(QWidget *parent, const QString &text);
// The same; closed runs once the user has closed the box.
void showMessageBox(QWidget *parent, const QString &text, std::function<void()> closed);
