#pragma once

#include "MessageTable.h"

#include <array>

// What the live-monitor labels show while the unit is not connected: the
// word of the current language followed by a tail that every language shares.
namespace lang {

struct MonitorPlaceholder
{
    const char *label; // objectName of the monitor label
    Msg word;
    const char *tail;
};

// In the order they are written; the two input labels come last.
extern const std::array<MonitorPlaceholder, 12> kMonitorPlaceholders;

QString placeholderText(const MessageTable &messages, const MonitorPlaceholder &placeholder);

} // namespace lang
