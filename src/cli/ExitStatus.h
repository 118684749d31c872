#pragma once

// What the command's exit status tells a script.
enum ExitStatus : int
{
    kDone = 0,       // done, and the sets compared are equal
    kDifferent = 1,  // verify or diff found a difference, or programming failed its verify
    kBadUsage = 2,   // bad usage, or a file that cannot be read or written
    kLinkFailed = 3, // the port, the unit's answers, its data version or read protection
};
