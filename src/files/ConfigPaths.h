#pragma once

#include <QString>

// Where the program keeps its settings, its last parameter image and the
// test switch, and the history of sets. The Windows program used its Windows
// folder and the root of drive C; here the first three live in the user's
// configuration folder, the history in the user's data folder.
namespace ConfigPaths {

// The folder holding the three files; created by the first write, not here.
QString configFolder();

QString settingsFile();   // "zevras.ini"
QString imageFile();      // "_" + the settings file name
QString testSwitchFile(); // "test_pelmar.txt"

// The sets read from and programmed into units: "zevras/history" in the
// user's data folder. Created by the first write.
QString historyFolder();

} // namespace ConfigPaths
