#pragma once

#include "LinkDisplay.h"

#include <array>

class FormBinding;
class QLabel;
namespace Ui {
class TFormHlav;
}

// Shows what the link presenter reports in the main window's controls.
class WindowLinkView : public LinkDisplay
{
public:
    WindowLinkView(Ui::TFormHlav &ui, FormBinding &binding);

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
    void setUnitTexts(const UnitIdentification &texts) override;
    void showParameterSet() override;
    bool printMode() const override;
    void showVersionMismatch(const QString &text, std::function<void()> closed) override;
    void showComOpeningError(const QString &text) override;
    void showStatusNote(const QString &text) override;

private:
    Ui::TFormHlav &m_ui;
    FormBinding &m_binding;
    std::array<QLabel *, kMonitorLabelCount> m_monitorLabels;
};
