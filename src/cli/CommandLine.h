#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What the command line asks for.
struct Invocation
{
    enum class Command
    {
        Read,
        Program,
        Verify,
        Diff,     // two files
        DiffUnit, // a file and the unit's set
        Monitor,
        Ports
    };

    Command command = Command::Ports;
    QStringList files;        // the command's file arguments; diff's second may be "unit"
    QString port;             // --port: "COMn" or a device path; empty for the settings' port
    std::optional<int> count; // monitor --count
    QString csv;              // monitor --csv: a file, or "-" for standard output
    bool probe = false;       // ports --probe: ask every device for the unit
    bool keys = false;        // read, verify, diff --keys: the file's keys, no header
};

// The command line is done with and the program ends with this status:
// after --help or --version (0), or after a usage error, already reported (2).
struct EarlyExit
{
    int status;
};

std::variant<Invocation, EarlyExit> parseCommandLine(const QStringList &arguments);
