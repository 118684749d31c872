#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class ParameterSet;
class PathLabel;
class QWidget;
class WindowState;

// Quiet marks of where the window's set stands: "•" after the file name and
// in the window title while it has been edited since the file was opened or
// saved, and "not in the unit" while its parameter page differs from the
// last one read, programmed or verified on the unit. Closing asks nothing:
// the image survives the run anyway.
class SetMarks
{
public:
    SetMarks(QWidget &window, PathLabel &fileLine, const ParameterSet &image,
             const WindowState &state);

    // The window's set is the file's (New, Open, Save) or the unit's (Read,
    // Program, Verify ended well).
    void fileMatched();
    void unitHolds();
    // After every show of the set, and after a language change.
    void refresh();

    bool edited() const;
    bool notInUnit() const;

private:
    QByteArray parameterPage() const;

    QWidget &m_window;
    PathLabel &m_fileLine;
    const ParameterSet &m_image;
    const WindowState &m_state;
    std::optional<QByteArray> m_filePage;
    std::optional<QByteArray> m_unitPage;
    QString m_titleMark;
};
