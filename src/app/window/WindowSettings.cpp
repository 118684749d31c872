#include "WindowSettings.h"

#include "ConfigPaths.h"
#include "ImageFile.h"
#include "SettingsFile.h"
#include "SettingsPart.h"
#include "WindowFrame.h"
#include "WindowPlacement.h"
#include "WindowState.h"

#include <QCheckBox>
#include <QLabel>

WindowSettings::WindowSettings(QWidget &window, const Parts &parts, Settings &settings,
                               ParameterSet &parameters, WindowState &state)
    : m_window(window), m_parts(parts), m_settings(settings), m_parameters(parameters),
      m_state(state)
{
}

void WindowSettings::load()
{
    m_settings = SettingsFile::load(ConfigPaths::settingsFile());
    const Settings &s = m_settings;
    const QRect now = m_parts.placement.boundsToKeep();
    m_parts.placement.placeOuter(QRect(s.left.value_or(now.x()), s.top.value_or(now.y()),
                                       s.width.value_or(now.width()),
                                       s.height.value_or(now.height())));
    m_state.setComPort(s.comPort.value_or(m_state.comPort()));
    m_state.setLanguage(s.language.value_or(m_state.language()));
    m_parts.fileLabel.setText(s.file.value_or(QString()));
    m_parts.ignAll.setChecked(s.ignAll.value_or(m_parts.ignAll.isChecked()));
    for (SettingsPart *part : m_parts.more)
        part->restoreFrom(s);
    ImageFile::load(ConfigPaths::imageFile(), m_parameters);
}

void WindowSettings::save()
{
    Settings &s = m_settings;
    m_parts.placement.fitOuterSizeToFrame();
    const QRect bounds = m_parts.placement.boundsToKeep();
    s.left = bounds.x();
    s.top = bounds.y();
    s.height = bounds.height();
    s.width = bounds.width();
    s.comPort = m_state.comPort();
    s.language = m_state.language();
    s.file = m_parts.fileLabel.text();
    s.ignAll = m_parts.ignAll.isChecked();
    for (const SettingsPart *part : m_parts.more)
        part->keepIn(s);
    SettingsFile::save(ConfigPaths::settingsFile(), s);
    ImageFile::save(ConfigPaths::imageFile(), m_parameters);
}
