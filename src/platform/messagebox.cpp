#include "platform/messagebox.h"

#include "platform/fixedsizewindow.h"

#include <QCoreApplication>
#include <QPointer>
#include <QQueue>
#include <functional>

namespace MessageBox {
namespace {

bool g_recording = false;
QQueue<QMessageBox::StandardButton> g_answers;
QList<Shown> g_shown;
std::function<void(const Shown&)> g_observer;

struct MessageBoxText
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)
};

} // namespace

QString applicationTitle()
{
    //: Title of every message box. Veltro is the product's name: keep it as it is
    return MessageBoxText::tr("Veltro Weight Loss Calculator");
}

QMessageBox::StandardButton show(
    QWidget* parent, const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    if (g_recording) {
        const Shown shown {text, applicationTitle(), icon, buttons};
        g_shown.append(shown);
        if (g_observer)
            g_observer(shown);
        if (!g_answers.isEmpty())
            return g_answers.dequeue();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }

    // A lone carriage return is the program's line break in message texts.
    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QPointer<QWidget> owner = parent ? parent->window() : nullptr;
    const QString title = applicationTitle();
    QPointer<QMessageBox> box = new QMessageBox(icon, title, shownText, buttons, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setWindowModality(Qt::ApplicationModal); // resets the window flags
    // A box of no window of ours (at start-up) must not open beneath another
    // instance's exit screen, which stays on top of everything.
    if (!owner)
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box->setTextFormat(Qt::PlainText);
    box->setAccessibleName(title);
    box->setAccessibleDescription(shownText);
    keepFixedSize(box);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box;
    // Keyboard use goes on in the window the box belonged to, also where no window
    // manager hands the activation back.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

void setRecording(bool on)
{
    g_recording = on;
    g_answers.clear();
    g_shown.clear();
    g_observer = nullptr;
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    g_answers.enqueue(answer);
}

QList<Shown> takeShown()
{
    QList<Shown> shown;
    shown.swap(g_shown);
    return shown;
}

void setObserver(std::function<void(const Shown&)> observer)
{
    g_observer = std::move(observer);
}

} // namespace MessageBox
