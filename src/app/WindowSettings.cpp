#include "WindowSettings.h"

#include "ConfigPaths.h"
#include "CurveGraphWindow.h"
#include "FileCommands.h"
#include "ImageFile.h"
#include "SettingsFile.h"
#include "WindowPlacement.h"

#include <QCheckBox>
#include <QLabel>

WindowSettings::WindowSettings(QWidget &window, const Parts &parts, Settings &settings,
                               ParameterSet &parameters, quint8 &comPort, quint8 &language)
    : m_window(window), m_parts(parts), m_settings(settings), m_parameters(parameters),
      m_comPort(comPort), m_language(language)
{
}

// The curve graph opens once the event loop runs, so that it comes up after the main window.
void WindowSettings::load()
{
    m_settings = SettingsFile::load(ConfigPaths::settingsFile());
    const Settings &s = m_settings;
    const QRect now = m_parts.placement.boundsToKeep();
    m_parts.placement.placeOuter(QRect(s.left.value_or(now.x()), s.top.value_or(now.y()),
                                       s.width.value_or(now.width()),
                                       s.height.value_or(now.height())));
    m_comPort = s.comPort.value_or(m_comPort);
    m_language = s.language.value_or(m_language);
    m_parts.fileLabel.setText(s.file.value_or(QString()));
    m_parts.files.setLastFilePath(s.iniDir.value_or(QString()));
    m_parts.ignAll.setChecked(s.ignAll.value_or(m_parts.ignAll.isChecked()));
    m_parts.curveGraph.restore(s.curveGraph);
    if (s.curveGraph.open.value_or(false))
        QMetaObject::invokeMethod(&m_parts.curveGraph, &CurveGraphWindow::open,
                                  Qt::QueuedConnection);
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
    s.comPort = m_comPort;
    s.language = m_language;
    s.file = m_parts.fileLabel.text();
    s.iniDir = m_parts.files.lastFilePath();
    s.ignAll = m_parts.ignAll.isChecked();
    s.curveGraph = m_parts.curveGraph.settings();
    SettingsFile::save(ConfigPaths::settingsFile(), s);
    ImageFile::save(ConfigPaths::imageFile(), m_parameters);
}
