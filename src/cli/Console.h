#pragma once

#include <QString>

// Standard output carries only results, so that scripts can take them;
// errors and progress go to standard error, one line each.
namespace console {

void out(const QString &line);
void error(const QString &line); // prefixed with the program's name
void progress(const QString &line);

} // namespace console
