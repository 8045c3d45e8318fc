#pragma once

#include "calculator/keyfilters.h"

#include <QMessageBox>
#include <QObject>
#include <functional>
#include <string>

class QKeyEvent;
class QLineEdit;

// The characters a key press types into a text box, as the key filters judge them,
// one Unicode code point each (an emoji, a letter of CJK extension B or a
// mathematical letter is one character, not two halves): the text of the key
// whatever the modifiers (an access key of the window never reaches the box), format
// and private-use characters included; Backspace (8), Return (13), Escape (27) and
// Ctrl+letter (1 to 26). Keys that type nothing in a text box (arrows, Home, End,
// Delete, Tab, function keys) give nothing and pass untouched.
std::u32string typedCharacters(const QKeyEvent& event);

// The code points of a text; a half of a pair standing alone is U+FFFD.
std::u32string codePoints(const QString& text);

// Applies a key filter to what is typed into a text box: a refused character is
// answered with the filter's message and dropped, a changed one is typed instead.
// Text that arrives otherwise (pasted through the context menu) is not filtered.
class KeyFilterBinding final : public QObject
{
    Q_OBJECT

public:
    using Filter = std::function<KeyVerdict(char32_t)>;

    KeyFilterBinding(QLineEdit* edit, Filter filter, QMessageBox::Icon icon);

    // Run after a refusal's message has been closed.
    void setAfterRefusal(std::function<void()> afterRefusal) { m_afterRefusal = std::move(afterRefusal); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterText(const std::u32string& typed, QString* accepted);
    void refuse(const QString& message);

    QLineEdit* m_edit;
    Filter m_filter;
    QMessageBox::Icon m_icon;
    std::function<void()> m_afterRefusal;
};
