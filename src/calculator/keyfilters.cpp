#include "calculator/keyfilters.h"

namespace {

bool passesAlways(char16_t code)
{
    return code == kBackspace || code == kCarriageReturn || code == kSpace;
}

KeyVerdict refuse(const char* message)
{
    return KeyVerdict {false, 0, QString::fromLatin1(message)};
}

} // namespace

KeyVerdict filterNameKey(char16_t code)
{
    if (code >= u'a' && code <= u'z')
        return KeyVerdict {true, static_cast<char16_t>(code - 32), {}};
    if ((code >= u'A' && code <= u'Z') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    return refuse("Please Enter Only Alphabet");
}

KeyVerdict filterWeightKey(char16_t code)
{
    if ((code >= u'0' && code <= u'9') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    return refuse("Please Enter Only Number !");
}
