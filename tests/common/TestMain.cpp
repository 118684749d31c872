// The main of every test program: `PROGRAM TestClass [Qt Test options]` runs
// that class with the options; without a known class it lists the classes.
#include "TestMain.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace zevras::test {

namespace {

std::map<std::string, RunTestClass> &testClasses()
{
    static std::map<std::string, RunTestClass> classes;
    return classes;
}

} // namespace

bool addTestClass(const char *name, RunTestClass run)
{
    testClasses().emplace(name, run);
    return true;
}

} // namespace zevras::test

int main(int argc, char *argv[])
{
    const auto &classes = zevras::test::testClasses();
    const auto found = argc > 1 ? classes.find(argv[1]) : classes.end();
    if (found == classes.end()) {
        std::fprintf(stderr, "usage: %s TestClass [Qt Test options]\nclasses:\n", argv[0]);
        for (const auto &entry : classes)
            std::fprintf(stderr, "  %s\n", entry.first.c_str());
        return 2;
    }
    // The class's name takes the program's place, so Qt Test reports under it.
    argv[1] = argv[0];
    return found->second(argc - 1, argv + 1);
}
