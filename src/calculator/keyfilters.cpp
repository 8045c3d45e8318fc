#include "calculator/keyfilters.h"

#include <QCoreApplication>

namespace {

// Shown in a message box over the window whose box refused a typed character.
struct KeyFilterText
{
    Q_DECLARE_TR_FUNCTIONS(KeyFilters)
};

bool passesAlways(char32_t code)
{
    return code == kBackspace || code == kCarriageReturn || code == kSpace;
}

KeyVerdict refuse(const QString& message)
{
    return KeyVerdict {false, 0, message};
}

} // namespace

KeyVerdict filterNameKey(char32_t code)
{
    if (code >= U'a' && code <= U'z')
        return KeyVerdict {true, static_cast<char32_t>(code - 32), {}};
    if ((code >= U'A' && code <= U'Z') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    //: Message box over the main window when a character other than a letter is typed into the name box; one
    //: short line
    return refuse(KeyFilterText::tr("Please Enter Only Alphabet"));
}

KeyVerdict filterWeightKey(char32_t code)
{
    if ((code >= U'0' && code <= U'9') || passesAlways(code))
        return KeyVerdict {true, code, {}};
    //: Message box over the main window (or the progress window's weigh-in box) when a character other than a
    //: digit is typed into a box of figures; one short line
    return refuse(KeyFilterText::tr("Please Enter Only Number !"));
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
