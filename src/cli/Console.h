#pragma once

#include <QByteArray>
#include <QString>

// Standard output carries only results, so that scripts can take them;
// errors and progress go to standard error, one line each.
namespace console {

// A result line. False once output has been lost (a full disk, a closed
// pipe): the first loss is told on standard error, except for a pipe whose
// reader has stopped reading, which wanted no more.
bool out(const QString &line);
// Text as it stands, its line ends included.
bool outText(const QString &text);
// Bytes as they stand: a file written to standard output.
bool outBytes(const QByteArray &bytes);
void error(const QString &line); // prefixed with the program's name
void progress(const QString &line);

// Flushes and closes standard output: the command's exit status, or
// kBadUsage when a result was lost.
int finish(int status);

} // namespace console
