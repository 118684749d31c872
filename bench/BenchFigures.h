#pragma once

#include <sys/resource.h>

// Processor time this process has used so far, user and system, in seconds.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The last column of a figure with a target.
inline const char *verdict(bool met)
{
    return met ? "ok" : "MISSED";
}
