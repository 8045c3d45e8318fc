#pragma once

#include <QObject>
#include <QString>

class ActiveControl;
class QLineEdit;
class QWidget;

// Keeps a pound box and its kilogram box in step: when the focus leaves one of them
// for another control of the window, the other is rewritten with the converted figure.
//
// A box converts only when its text differs from what it held the last time the two
// were in step (both empty at the start): tabbing through an unchanged pair never
// lets the figures drift, and a conversion that was missed is made up for the next
// time the box is left.
class WeightPair final : public QObject
{
    Q_OBJECT

public:
    WeightPair(QLineEdit* poundBox, QLineEdit* kilogramBox, ActiveControl* activeControl, QObject* parent);

signals:
    // A figure typed in one box was converted into the other: the person's unit.
    void typedIn(bool kilograms);

private:
    void boxLeft(QLineEdit* box);

    QLineEdit* m_pound;
    QLineEdit* m_kilogram;
    QString m_poundInStep;
    QString m_kilogramInStep;
};
