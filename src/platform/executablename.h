#pragma once

#include <QString>

// The program's file name without its extension, as found at run time. The settings
// store and the single-instance lock are both named after it, so a copy under another
// file name is a program of its own.
QString executableName();
