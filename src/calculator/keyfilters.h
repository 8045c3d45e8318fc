#pragma once

#include "common/text.h"

#include <QChar>

// Name box: letters A-Z and a-z (small ones become capitals), backspace, carriage
// return and space; anything else is refused with "Please Enter Only Alphabet".
KeyVerdict filterNameKey(char32_t code);

// Weight boxes: digits 0-9, backspace, carriage return and space; anything else is
// refused with "Please Enter Only Number !".
KeyVerdict filterWeightKey(char32_t code);

// Weigh-in box: as a weight box, and the locale's decimal sign too, since a scale
// shows tenths; Ctrl with a letter passes to the box as its own command.
KeyVerdict filterWeighInKey(char32_t code, QChar decimalPoint);
