#include "WindowLinkView.h"
#include "ui_TFormHlav.h"

#include "Background.h"
#include "FormBinding.h"
#include "MessageBox.h"

namespace {

QColor labelColour(LabelColour colour)
{
    switch (colour) {
    case LabelColour::Red:
        return QColor(255, 0, 0);
    case LabelColour::Yellow:
        return QColor(255, 255, 0);
    case LabelColour::Fuchsia:
        return QColor(255, 0, 255);
    case LabelColour::Aqua:
        return QColor(0, 255, 255);
    case LabelColour::Lime:
        return QColor(0, 255, 0);
    case LabelColour::White:
        return QColor(255, 255, 255);
    case LabelColour::Normal:
        break;
    }
    return buttonFace();
}

} // namespace

WindowLinkView::WindowLinkView(Ui::TFormHlav &ui, FormBinding &binding)
    : m_ui(ui), m_binding(binding)
{
    QWidget *window = ui.centralwidget->window();
    for (int i = 0; i < kMonitorLabelCount; ++i) {
        const char *name = monitorLabelName(MonitorLabel(i));
        m_monitorLabels[i] = window->findChild<QLabel *>(QLatin1String(name));
        Q_ASSERT_X(m_monitorLabels[i], "WindowLinkView", name);
    }
}

void WindowLinkView::setMessageText(const QString &text)
{
    m_ui.LabelHlaseni->setText(text);
}

void WindowLinkView::setMessageColour(LabelColour colour)
{
    setBackground(m_ui.LabelHlaseni, labelColour(colour));
}

void WindowLinkView::setMessageVisible(bool visible)
{
    m_ui.LabelHlaseni->setVisible(visible);
}

void WindowLinkView::setProgress(int value)
{
    m_ui.CGaugeProgram->setValue(value);
}

void WindowLinkView::setProgressVisible(bool visible)
{
    m_ui.CGaugeProgram->setVisible(visible);
}

void WindowLinkView::setConnectionLabelVisible(bool visible)
{
    m_ui.LabelSpojeni->setVisible(visible);
}

void WindowLinkView::setVersionLabelText(const QString &text)
{
    m_ui.LabelVersion->setText(text);
}

void WindowLinkView::setVersionLabelVisible(bool visible)
{
    m_ui.LabelVersion->setVisible(visible);
}

void WindowLinkView::setEeDataErrorVisible(bool visible)
{
    m_ui.LabelEeDataErr->setVisible(visible);
}

void WindowLinkView::setMonitorText(MonitorLabel label, const QString &text)
{
    m_monitorLabels[int(label)]->setText(text);
}

void WindowLinkView::setMonitorColour(MonitorLabel label, LabelColour colour)
{
    setBackground(m_monitorLabels[int(label)], labelColour(colour));
}

void WindowLinkView::setRpmGauge(int percent)
{
    m_ui.CGaugeRpm->setValue(percent);
}

// Repainting only the rows that change keeps the tick cheap; the binding
// keeps the one copy of the current point.
void WindowLinkView::setCurrentPoint(std::optional<int> row)
{
    const std::optional<int> marked = m_binding.currentPoint();
    if (row == marked)
        return;
    m_binding.setCurrentPoint(row);
    const ControlTables &tables = m_binding.tables();
    if (marked) {
        clearEditBackground(tables.RpmAdvEdits[*marked]);
        clearEditBackground(tables.AdvanceEdits[*marked]);
    }
    if (row) {
        setEditBackground(tables.RpmAdvEdits[*row], labelColour(LabelColour::Lime));
        setEditBackground(tables.AdvanceEdits[*row], labelColour(LabelColour::Lime));
    }
}

void WindowLinkView::setUnitTexts(const UnitIdentification &texts)
{
    m_binding.setUnitTexts(texts);
}

void WindowLinkView::showParameterSet()
{
    m_binding.ShowParameterSet();
}

bool WindowLinkView::printMode() const
{
    return m_binding.printMode();
}

void WindowLinkView::showVersionMismatch(const QString &text, std::function<void()> closed)
{
    showMessageBox(m_ui.centralwidget->window(), text, std::move(closed));
}

void WindowLinkView::showComOpeningError(const QString &text)
{
    showMessageBox(m_ui.centralwidget->window(), text);
}

void WindowLinkView::showStatusNote(const QString &text)
{
    m_ui.StatusBar1->showMessage(text);
}
