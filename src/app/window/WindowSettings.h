#pragma once

#include <QList>

class ParameterSet;
class QCheckBox;
class QLabel;
class QWidget;
class SettingsPart;
class WindowPlacement;
class WindowState;
struct Settings;

// What the window keeps between runs: the settings file (bounds, port,
// language, file, the ignition-all box and what the window's parts keep of
// their own) and the parameter image beside it.
class WindowSettings
{
public:
    struct Parts
    {
        WindowPlacement &placement;
        QLabel &fileLabel;
        QCheckBox &ignAll;
        // In the order they are restored, after the window's own values.
        QList<SettingsPart *> more;
    };

    // settings is the window's own.
    WindowSettings(QWidget &window, const Parts &parts, Settings &settings,
                   ParameterSet &parameters, WindowState &state);

    void load();
    // A settings file that cannot be written is not reported: nobody is left to
    // read a message while the window closes. The earlier file stays whole.
    void save();

private:
    QWidget &m_window;
    Parts m_parts;
    Settings &m_settings;
    ParameterSet &m_parameters;
    WindowState &m_state;
};
