#include "ui/weightpair.h"

#include "calculator/conversion.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace {

bool movesWithinWindow(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::MenuBarFocusReason;
}

} // namespace

WeightPair::WeightPair(QLineEdit* poundBox, QLineEdit* kilogramBox, QObject* parent)
    : QObject(parent)
    , m_pound(poundBox)
    , m_kilogram(kilogramBox)
{
    for (QLineEdit* box : {m_pound, m_kilogram}) {
        m_textOnEntry.insert(box, box->text());
        box->installEventFilter(this);
    }
}

bool WeightPair::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || !m_textOnEntry.contains(box))
        return false;
    if (event->type() == QEvent::FocusIn && movesWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
        m_textOnEntry[box] = box->text();
    else if (event->type() == QEvent::FocusOut && movesWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
        boxLeft(box);
    return false;
}

void WeightPair::boxLeft(QLineEdit* box)
{
    const QString text = box->text();
    if (text == m_textOnEntry.value(box))
        return;
    m_textOnEntry[box] = text;
    const bool fromPounds = box == m_pound;
    const auto converted = fromPounds ? poundsToKilogramsText(text) : kilogramsToPoundsText(text);
    if (converted)
        (fromPounds ? m_kilogram : m_pound)->setText(*converted);
}
