#pragma once

#include <QtGlobal>

class CurveGraphWindow;
class FileCommands;
class ParameterSet;
class QCheckBox;
class QLabel;
class QWidget;
class WindowPlacement;
struct Settings;

// What the window keeps between runs: the settings file (bounds, port,
// language, file, dialog path, the ignition-all box, the curve graph) and
// the parameter image beside it.
class WindowSettings
{
public:
    struct Parts
    {
        WindowPlacement &placement;
        QLabel &fileLabel;
        QCheckBox &ignAll;
        FileCommands &files;
        CurveGraphWindow &curveGraph;
    };

    // settings, comPort and language are the window's own.
    WindowSettings(QWidget &window, const Parts &parts, Settings &settings,
                   ParameterSet &parameters, quint8 &comPort, quint8 &language);

    void load();
    // A settings file that cannot be written is not reported: nobody is left to
    // read a message while the window closes. The earlier file stays whole.
    void save();

private:
    QWidget &m_window;
    Parts m_parts;
    Settings &m_settings;
    ParameterSet &m_parameters;
    quint8 &m_comPort;
    quint8 &m_language;
};
