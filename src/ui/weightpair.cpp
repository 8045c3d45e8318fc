#include "ui/weightpair.h"

#include "calculator/conversion.h"
#include "ui/activecontrol.h"

#include <QLineEdit>

WeightPair::WeightPair(QLineEdit* poundBox, QLineEdit* kilogramBox, ActiveControl* activeControl, QObject* parent)
    : QObject(parent)
    , m_pound(poundBox)
    , m_kilogram(kilogramBox)
    , m_poundInStep(poundBox->text())
    , m_kilogramInStep(kilogramBox->text())
{
    connect(activeControl, &ActiveControl::changed, this, [this](QWidget* previous) {
        if (previous == m_pound || previous == m_kilogram)
            boxLeft(static_cast<QLineEdit*>(previous));
    });
}

void WeightPair::boxLeft(QLineEdit* box)
{
    const bool fromPounds = box == m_pound;
    const QString text = box->text();
    if (text == (fromPounds ? m_poundInStep : m_kilogramInStep))
        return;
    const auto converted = fromPounds ? poundsToKilogramsText(text) : kilogramsToPoundsText(text);
    if (!converted)
        return; // not a figure: the partner keeps its text, and the pair is not in step
    (fromPounds ? m_kilogram : m_pound)->setText(*converted);
    m_poundInStep = m_pound->text();
    m_kilogramInStep = m_kilogram->text();
    emit typedIn(!fromPounds);
}
