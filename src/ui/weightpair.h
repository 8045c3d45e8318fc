#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;

// Keeps a pound box and its kilogram box in step: when the user leaves one of them
// after changing its text, the other is rewritten with the converted figure.
//
// Leaving a box unchanged leaves its partner alone, so tabbing through a pair never
// lets the figures drift. Only a move of the focus to another control of the window
// counts as leaving; a menu, a message box or another window taking the focus does not.
class WeightPair final : public QObject
{
    Q_OBJECT

public:
    WeightPair(QLineEdit* poundBox, QLineEdit* kilogramBox, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxLeft(QLineEdit* box);

    QLineEdit* m_pound;
    QLineEdit* m_kilogram;
    QHash<QLineEdit*, QString> m_textOnEntry;
};
