#pragma once

#include <QString>

class ParameterSet;
class QWidget;
class WindowState;
struct ControlTables;

// A curve of fifteen points as a tuned engine might have it: 1000 to 13600
// rpm, the advance rising to 34° and easing off at the top.
void setFifteenPointCurve(ParameterSet &image);

// Opens the advance curve graph beside mainWindow in the state's language, follows the
// unit on device as the window does, and saves the graph window to file once
// the operating point has moved for a second. Runs the event loop; returns
// the exit code, 1 with a message when the unit gives no operating point.
int saveCurveGraph(QWidget *mainWindow, const ControlTables &tables, const ParameterSet &image,
                   const WindowState &state, const QString &device, const QString &file);
