#pragma once

#include <QString>

// The programs and data the tests use, where this build put them. Only
// TestPaths.cpp is compiled with these paths, so every other test source
// reads alike in any clone and the compiler cache can share it.
namespace testpaths {

QString simulator(); // zevras-sim
QString cli();       // zevras-cli
QString window();    // zevras
QString fuzzCorpus();
QString builtManuals();  // the built PDF manuals
QString manualSources(); // the manuals' HTML sources

} // namespace testpaths
