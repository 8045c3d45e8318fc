#pragma once

#include <QString>

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

// Name box: letters A-Z and a-z (small ones become capitals), backspace, carriage
// return and space; anything else is refused with "Please Enter Only Alphabet".
KeyVerdict filterNameKey(char16_t code);

// Weight boxes: digits 0-9, backspace, carriage return and space; anything else is
// refused with "Please Enter Only Number !".
KeyVerdict filterWeightKey(char16_t code);
