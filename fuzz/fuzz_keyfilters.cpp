// The key filters of the name, weight and e-mail boxes. Every Unicode code point is
// checked once at start-up; each input then is a run of key presses (key, modifiers,
// text) that goes through the same reading of a key press as the boxes use, and the
// text that would reach each box is checked.

#include "calculator/keyfilters.h"
#include "fuzzcheck.h"
#include "referral/referral.h"
#include "ui/keyfilterbinding.h"

#include <QInputDevice>
#include <QKeyEvent>

namespace {

bool passesAlways(char32_t code)
{
    return code == 8 || code == 13 || code == 32;
}

QString codeText(char32_t code)
{
    return QStringLiteral("code U+%1").arg(uint(code), 4, 16, QLatin1Char('0'));
}

void checkNameKey(char32_t code)
{
    const KeyVerdict v = filterNameKey(code);
    const bool small = code >= U'a' && code <= U'z';
    const bool capital = code >= U'A' && code <= U'Z';
    FUZZ_REQUIRE(v.accepted == (small || capital || passesAlways(code)), codeText(code));
    if (v.accepted) {
        FUZZ_REQUIRE(v.code == (small ? code - 32 : code), codeText(code));
        FUZZ_REQUIRE(v.refusalText.isEmpty(), codeText(code));
    } else {
        FUZZ_REQUIRE(v.code == 0, codeText(code));
        FUZZ_REQUIRE(v.refusalText == QLatin1String("Please Enter Only Alphabet"), codeText(code));
    }
}

void checkWeightKey(char32_t code)
{
    const KeyVerdict v = filterWeightKey(code);
    const bool digit = code >= U'0' && code <= U'9';
    FUZZ_REQUIRE(v.accepted == (digit || passesAlways(code)), codeText(code));
    if (v.accepted) {
        FUZZ_REQUIRE(v.code == code, codeText(code));
    } else {
        FUZZ_REQUIRE(v.code == 0, codeText(code));
        FUZZ_REQUIRE(v.refusalText == QLatin1String("Please Enter Only Number !"), codeText(code));
    }
}

void checkEmailKey(char32_t code)
{
    const KeyVerdict v = Referral::filterEmailKey(code);
    FUZZ_REQUIRE(v.accepted == (code != 32), codeText(code));
    if (v.accepted)
        FUZZ_REQUIRE(v.code == code, codeText(code));
    else
        FUZZ_REQUIRE(v.refusalText == QLatin1String("Email Address Cannot Contain Space"), codeText(code));
}

// The keyboard the key presses come from. Without one of its own a key event would
// create the toolkit's default keyboard, which only an application object frees.
const QInputDevice& keyboard()
{
    static const QInputDevice device(
        QStringLiteral("fuzz keyboard"), 1, QInputDevice::DeviceType::Keyboard, QStringLiteral("seat0"));
    return device;
}

// What a box holds after a run of characters: each accepted one typed (backspace
// removes the last), refused ones dropped.
void typeInto(QString& box, const KeyVerdict& v)
{
    if (!v.accepted)
        return;
    if (v.code == 8)
        box.chop(1);
    else if (v.code != 13)
        box.append(QString::fromUcs4(&v.code, 1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        checkNameKey(code);
        checkWeightKey(code);
        checkEmailKey(code);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QString nameBox;
    QString weightBox;
    while (data.remaining_bytes() > 0) {
        // Mostly the keys of text, sometimes any key code at all.
        const int key = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(0x20, 0x7e) : data.ConsumeIntegral<int>();
        const auto modifiers = Qt::KeyboardModifiers::fromInt(data.ConsumeIntegral<int>()
            & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier));
        const QString text = consumeText(data, 8);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, 0, 0, 0, text, false, 1, &keyboard());
        const std::u32string typed = typedCharacters(event);
        if (typed.empty())
            continue; // keys that type nothing reach the box untouched

        // A control code comes from its key alone; text is judged whole, every
        // character of every plane by its code point.
        const bool control = typed.front() < 32;
        if (control) {
            FUZZ_REQUIRE(typed.size() == 1, quoted(text));
            FUZZ_REQUIRE(typed.front() == 8 || typed.front() == 13 || typed.front() == 27
                    || modifiers.testFlag(Qt::ControlModifier),
                QStringLiteral("control code %1 without Ctrl").arg(int(typed.front())));
        } else {
            FUZZ_REQUIRE(typed == codePoints(text), quoted(text));
        }

        for (const char32_t code : typed) {
            checkNameKey(code);
            checkWeightKey(code);
            checkEmailKey(code);
            typeInto(nameBox, filterNameKey(code));
            typeInto(weightBox, filterWeightKey(code));
        }
    }
    // Typed (not pasted) text: capitals and spaces in the name box, digits and spaces
    // in a weight box.
    for (const QChar c : nameBox)
        FUZZ_REQUIRE((c >= u'A' && c <= u'Z') || c == u' ', quoted(nameBox));
    for (const QChar c : weightBox)
        FUZZ_REQUIRE((c >= u'0' && c <= u'9') || c == u' ', quoted(weightBox));
    return 0;
}
