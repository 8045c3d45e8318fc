#include "calculator/keyfilters.h"

namespace {

bool passesAlways(char32_t code)
{
    return code == kBackspace || code == kCarriageReturn || code == kSpace;
}

KeyVerdict refuse(const char* message)
{
    return KeyVerdict {false, 0, QString::fromLatin1(message)};
}

} // namespace

KeyVerdict filterNameKey(char32_t code)
{
    if (code >= U'a' && code <= U'z')
        return KeyVerdict {true, static_cast<char32_t>(code - 32), {}};
    if ((code >= U'A' && code <= U'Z') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    return refuse("Please Enter Only Alphabet");
}

KeyVerdict filterWeightKey(char32_t code)
{
    if ((code >= U'0' && code <= U'9') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    return refuse("Please Enter Only Number !");
}

KeyVerdict filterWeighInKey(char32_t code, QChar decimalPoint)
{
    // Ctrl with a letter is the box's own command (select all, undo, paste), not a
    // character typed. A full stop is a decimal point in every locale, as on the
    // command line: scales and phones show one.
    if (code == decimalPoint.unicode() || code == U'.' || code < kSpace)
        return KeyVerdict {true, code, {}};
    return filterWeightKey(code);
}
