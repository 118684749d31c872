#include "TFormHlav.h"
#include "ui_TFormHlav.h"

#include "TuningTools.h"

// Their items go at the end of the Tools menu; the image and the presenter
// outlive them (m_tools is declared after both).
void TFormHlav::connectTuningTools()
{
    m_tools = std::make_unique<TuningTools>(*this, *ui->MenuTools, m_parameters, *m_presenter,
                                            m_messages);
}

void TFormHlav::showTuningTexts()
{
    m_tools->setLanguage(m_language);
}

// A recording ends with the window.
void TFormHlav::endTuningTools()
{
    m_tools->stopRecording();
}
