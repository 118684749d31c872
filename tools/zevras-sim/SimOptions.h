#pragma once

#include "UnitModel.h"

#include <QString>
#include <QStringList>

#include <optional>

struct SimConfig
{
    UnitOptions unit;
    std::optional<Page> page1; // otherwise the New defaults
    quint32 seed = 1;
    bool verbose = false;
    QString linkPath;
    // Engine and fault options, as control commands to run at start.
    QStringList startCommands;
};

// Reads the command line. Returns the configuration, or none with the help text
// or the error in *message.
std::optional<SimConfig> parseOptions(const QStringList &arguments, QString *message,
                                      bool *helpWanted);
