#pragma once

#include <QString>

// What the program's text rules share, whichever window they serve.

// Removes leading and trailing spaces (code 32) only; tabs and line breaks stay.
// This is what trimming a text means everywhere in the program.
QString trimSpaces(const QString& text);

// The verdict of a key filter on one typed character, judged by its Unicode code
// point whatever plane it lies in (an emoji is one character, not two halves).
struct KeyVerdict
{
    bool accepted = true;
    char32_t code = 0; // the character the box receives when accepted
    QString refusalText; // the message shown before a refused character is dropped
};

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kCarriageReturn = 13;
inline constexpr char32_t kSpace = 32;
