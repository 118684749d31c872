#pragma once

class FormBinding;
class LinkPresenter;
class QWidget;
namespace lang {
class MessageTable;
}

// The Print command: the window turns into a parameter sheet with the date
// and time of printing, goes onto one page of the default printer and turns
// back into the window.
class PrintCommand
{
public:
    // sheet is what goes onto the page; focusTarget takes the focus first.
    PrintCommand(QWidget &window, QWidget &sheet, QWidget &focusTarget, FormBinding &binding,
                 LinkPresenter &presenter, const lang::MessageTable &messages);

    void print();

private:
    QWidget &m_window;
    QWidget &m_sheet;
    QWidget &m_focusTarget;
    FormBinding &m_binding;
    LinkPresenter &m_presenter;
    const lang::MessageTable &m_messages;
};
