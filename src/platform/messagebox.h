#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// The one way the program shows a message: modal, titled with the application's
// title, with an icon and a button set. Tests switch it to recording mode, where no
// box appears, every box is recorded and each is answered from a queue of answers
// (OK or No when the queue is empty).
namespace MessageBox {

// The title of every box, in the person's language.
QString applicationTitle();

QMessageBox::StandardButton show(QWidget* parent, const QString& text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

inline QMessageBox::StandardButton information(QWidget* parent, const QString& text)
{
    return show(parent, text, QMessageBox::Information, QMessageBox::Ok);
}

inline QMessageBox::StandardButton critical(QWidget* parent, const QString& text)
{
    return show(parent, text, QMessageBox::Critical, QMessageBox::Ok);
}

struct Shown
{
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

void setRecording(bool on);
void setNextAnswer(QMessageBox::StandardButton answer);
QList<Shown> takeShown();

// Called with each box as it is shown in recording mode, before it is answered; a
// test uses it to look at the program's state at that moment.
void setObserver(std::function<void(const Shown&)> observer);

} // namespace MessageBox
