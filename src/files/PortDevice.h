#pragma once

#include <QString>

// The serial device a port number COM1..COM10 opens when the settings file
// names no other: the plain "COMn" on Windows, a USB serial adapter elsewhere.
QString defaultPortDevice(int comPort);
