#pragma once

#include "LinkView.h"

#include <array>

class FormBinding;
class PollCycle;
class QLabel;
class QWidget;
namespace Ui {
class TFormHlav;
}

// Shows what the link reports in the main window's controls.
class WindowLinkView : public LinkView
{
public:
    WindowLinkView(Ui::TFormHlav &ui, FormBinding &binding);

    // The link whose identification texts a refresh shows.
    void setLink(const PollCycle *link) { m_link = link; }

    void setMessageText(const QString &text) override;
    void setMessageColour(LabelColour colour) override;
    void setMessageVisible(bool visible) override;
    void setProgress(int value) override;
    void setProgressVisible(bool visible) override;
    void setConnectionLabelVisible(bool visible) override;
    void setVersionLabelText(const QString &text) override;
    void setVersionLabelVisible(bool visible) override;
    void setEeDataErrorVisible(bool visible) override;
    void setMonitorText(MonitorLabel label, const QString &text) override;
    void setMonitorColour(MonitorLabel label, LabelColour colour) override;
    void setRpmGauge(int percent) override;
    void setCurrentPoint(std::optional<int> row) override;
    void collectControls() override;
    void showParameterSet() override;
    void clearFileName() override;
    void showVersionMismatch(const QString &text) override;
    void showComOpeningError(const QString &text) override;

private:
    Ui::TFormHlav &m_ui;
    FormBinding &m_binding;
    const PollCycle *m_link = nullptr;
    std::array<QLabel *, kMonitorLabelCount> m_monitorLabels;
    std::optional<int> m_markedRow;
};
