#pragma once

struct Settings;

// A part of the window that keeps something of its own in the settings file:
// WindowSettings hands it the file's values at start and collects them at close.
class SettingsPart
{
public:
    virtual void restoreFrom(const Settings &settings) = 0;
    virtual void keepIn(Settings &settings) const = 0;

protected:
    ~SettingsPart() = default;
};
