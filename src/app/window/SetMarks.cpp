#include "SetMarks.h"

#include "ParameterSet.h"
#include "PathLabel.h"
#include "ToolTexts.h"
#include "WindowState.h"

#include <QWidget>

namespace {
const QString kEdited = QStringLiteral(" \u2022");
} // namespace

SetMarks::SetMarks(QWidget &window, PathLabel &fileLine, const ParameterSet &image,
                   const WindowState &state)
    : m_window(window), m_fileLine(fileLine), m_image(image), m_state(state),
      m_filePage(parameterPage())
{
}

QByteArray SetMarks::parameterPage() const
{
    return QByteArray(reinterpret_cast<const char *>(m_image.page(1)), ParameterSet::kPageSize);
}

void SetMarks::fileMatched()
{
    m_filePage = parameterPage();
    refresh();
}

void SetMarks::unitHolds()
{
    m_unitPage = parameterPage();
    refresh();
}

// Without a file named on the file line there is nothing to be edited from.
bool SetMarks::edited() const
{
    return !m_fileLine.text().isEmpty() && m_filePage && *m_filePage != parameterPage();
}

// Until the unit has been heard, nothing is known of what it holds.
bool SetMarks::notInUnit() const
{
    return m_unitPage && *m_unitPage != parameterPage();
}

// The title's own text comes from the language pass; the mark is what this
// adds to it, taken off again before a new one goes on.
void SetMarks::refresh()
{
    QString mark = edited() ? kEdited : QString();
    if (notInUnit())
        mark += QStringLiteral(" \u2014 ") + lang::toolText(lang::Tool::NotInUnit, m_state.language());
    m_fileLine.setMark(mark);
    QString title = m_window.windowTitle();
    if (!m_titleMark.isEmpty() && title.endsWith(m_titleMark))
        title.chop(m_titleMark.size());
    m_titleMark = mark;
    m_window.setWindowTitle(title + mark);
}
