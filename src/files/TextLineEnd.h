#pragma once

#include <QtGlobal>

// The platform's own text line end, used for the files that stay on this
// machine (settings and image file). Readers accept either form.
#ifdef Q_OS_WIN
constexpr char kTextLineEnd[] = "\r\n";
#else
constexpr char kTextLineEnd[] = "\n";
#endif
