#pragma once

#include "calculator/keyfilters.h"

#include <QMessageBox>
#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

// The character code a key press types into a text box, as a key filter sees it:
// printable characters whatever the modifiers (an access key of the window never
// reaches the box), Backspace (8), Return (13), Escape (27) and Ctrl+letter (1 to
// 26). Keys that type nothing in a text box (arrows, Home, End, Delete, Tab, function
// keys) give nothing and pass untouched.
std::optional<char16_t> typedCharacterCode(const QKeyEvent& event);

// Applies a key filter to what is typed into a text box: a refused character is
// answered with the filter's message and dropped, a changed one is typed instead.
// Text that arrives otherwise (pasted through the context menu) is not filtered.
class KeyFilterBinding final : public QObject
{
    Q_OBJECT

public:
    using Filter = std::function<KeyVerdict(char16_t)>;

    KeyFilterBinding(QLineEdit* edit, Filter filter, QMessageBox::Icon icon);

    // Run after a refusal's message has been closed.
    void setAfterRefusal(std::function<void()> afterRefusal) { m_afterRefusal = std::move(afterRefusal); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterText(const QString& text, QString* accepted);
    void refuse(const QString& message);

    QLineEdit* m_edit;
    Filter m_filter;
    QMessageBox::Icon m_icon;
    std::function<void()> m_afterRefusal;
};
