#pragma once

#include <QString>

// What the program's text rules share, whichever window they serve.

// Removes leading and trailing spaces (code 32) only; tabs and line breaks stay.
// This is what trimming a text means everywhere in the program.
QString trimSpaces(const QString& text);

// The verdict of a key filter on one typed character code.
struct KeyVerdict
{
    bool accepted = true;
    char16_t code = 0; // the character the box receives when accepted
    QString refusalText; // the message shown before a refused character is dropped
};

inline constexpr char16_t kBackspace = 8;
inline constexpr char16_t kCarriageReturn = 13;
inline constexpr char16_t kSpace = 32;
