#include "FuzzEntries.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

const Target *findTarget(const char *name)
{
    for (const Target &target : kTargets) {
        if (std::strcmp(target.name, name) == 0)
            return &target;
    }
    return nullptr;
}

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

} // namespace fuzz
