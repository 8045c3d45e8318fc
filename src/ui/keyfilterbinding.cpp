#include "ui/keyfilterbinding.h"

#include "platform/messagebox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

std::optional<char16_t> typedCharacterCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return char16_t(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return char16_t(13);
    case Qt::Key_Escape:
        return char16_t(27);
    default:
        break;
    }
    // Alt or Super with a key that no access key or shortcut took still types its
    // character into a text box, so the filter judges it like any other.
    if (event.modifiers().testFlag(Qt::ControlModifier)) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return char16_t(event.key() - Qt::Key_A + 1);
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return std::nullopt;
    return text.at(0).unicode();
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
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const auto code = typedCharacterCode(*keyEvent);
        if (!code)
            return false;
        // A key that types several characters at once (a composed sequence) is
        // judged character by character.
        const QString text = keyEvent->text().size() > 1 && !keyEvent->modifiers().testFlag(Qt::ControlModifier)
            ? keyEvent->text()
            : QString(QChar(*code));
        QString accepted;
        if (!filterText(text, &accepted))
            return true;
        if (accepted == text)
            return false;
        m_edit->insert(accepted);
        return true;
    }

    if (event->type() == QEvent::InputMethod) {
        auto* imEvent = static_cast<QInputMethodEvent*>(event);
        if (imEvent->commitString().isEmpty())
            return false;
        QString accepted;
        if (!filterText(imEvent->commitString(), &accepted))
            return true;
        if (accepted == imEvent->commitString())
            return false;
        m_edit->insert(accepted);
        return true;
    }
    return false;
}

bool KeyFilterBinding::filterText(const QString& text, QString* accepted)
{
    accepted->clear();
    for (const QChar c : text) {
        const KeyVerdict verdict = m_filter(c.unicode());
        if (!verdict.accepted) {
            refuse(verdict.refusalText);
            return false;
        }
        accepted->append(QChar(verdict.code));
    }
    return true;
}

void KeyFilterBinding::refuse(const QString& message)
{
    MessageBox::show(m_edit->window(), message, m_icon, QMessageBox::Ok);
    if (m_afterRefusal)
        m_afterRefusal();
}
