#include "ui/keyfilterbinding.h"

#include "platform/messagebox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

std::u32string codePoints(const QString& text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return std::u32string(ucs4.cbegin(), ucs4.cend());
}

std::u32string typedCharacters(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return {kBackspace};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {kCarriageReturn};
    case Qt::Key_Escape:
        return {27};
    default:
        break;
    }
    // Alt or Super with a key that no access key or shortcut took still types its
    // character into a text box, so the filter judges it like any other.
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return {char32_t(event.key() - Qt::Key_A + 1)};
        return {};
    }
    const std::u32string typed = codePoints(event.text());
    // Tab, Delete and the like carry a control character that no text box types.
    if (typed.empty() || QChar::category(typed.front()) == QChar::Other_Control)
        return {};
    return typed;
}

KeyFilterBinding::KeyFilterBinding(QLineEdit* edit, Filter filter, QMessageBox::Icon icon)
    : QObject(edit)
    , m_edit(edit)
    , m_filter(std::move(filter))
    , m_icon(icon)
{
    edit->installEventFilter(this);
}

bool KeyFilterBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return false;

    if (event->type() == QEvent::KeyPress) {
        // A key that types several characters at once (a composed sequence) is
        // judged character by character.
        const std::u32string typed = typedCharacters(*static_cast<QKeyEvent*>(event));
        if (typed.empty())
            return false;
        QString accepted;
        if (!filterText(typed, &accepted))
            return true;
        if (codePoints(accepted) == typed)
            return false;
        m_edit->insert(accepted);
        return true;
    }

    if (event->type() == QEvent::InputMethod) {
        auto* imEvent = static_cast<QInputMethodEvent*>(event);
        if (imEvent->commitString().isEmpty())
            return false;
        QString accepted;
        if (!filterText(codePoints(imEvent->commitString()), &accepted))
            return true;
        if (accepted == imEvent->commitString())
            return false;
        m_edit->insert(accepted);
        return true;
    }
    return false;
}

bool KeyFilterBinding::filterText(const std::u32string& typed, QString* accepted)
{
    accepted->clear();
    for (const char32_t code : typed) {
        const KeyVerdict verdict = m_filter(code);
        if (!verdict.accepted) {
            refuse(verdict.refusalText);
            return false;
        }
        accepted->append(QString::fromUcs4(&verdict.code, 1));
    }
    return true;
}

void KeyFilterBinding::refuse(const QString& message)
{
    QPointer<KeyFilterBinding> self = this;
    MessageBox::show(m_edit->window(), message, m_icon, QMessageBox::Ok);
    // The box's event loop may have seen the window go.
    if (self && m_afterRefusal)
        m_afterRefusal();
}
