// The time from pressing Calculate until the results window is on the screen, inside
// the program: the shell is started as at a normal start (with the instance check and
// the update reminder left out), the details of the typical run are filled in, and
// Calculate is pressed and "Calculate Again" pressed back, many times over.
//
//   veltro-bench-calculate [PRESSES]
//
// For each press it takes the time until the press's handler has returned (the
// results window loaded, filled and shown) and until the X server has exposed the
// results window and the program has painted it. Prints the first press and the
// medians of the others, in milliseconds.

#include "app/shell.h"
#include "ui/look.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes the moment the results window is first exposed.
class ExposeWatch final : public QObject
{
public:
    explicit ExposeWatch(Shell& shell)
        : m_shell(shell)
    { }
    bool exposed = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !exposed) {
            QWidget* display = m_shell.loadedForm(FormId::Display);
            auto* window = qobject_cast<QWindow*>(watched);
            if (display && window && window == display->windowHandle() && window->isExposed())
                exposed = true;
        }
        return false;
    }

private:
    Shell& m_shell;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Set up as the program's main() does.
    QApplication::setQuitOnLastWindowClosed(false);
    Look::applyApplicationLook();
    QApplication::setWindowIcon(Look::appIcon());
    const int presses = argc > 1 ? std::max(2, std::atoi(argv[1])) : 31;

    Shell shell;
    shell.setInstanceCheck([] { return true; });
    shell.setUpdateReminder([] {});
    shell.setTerminator([](int) {});
    shell.startApplication();
    QWidget* main = shell.loadedForm(FormId::Main);
    if (!QTest::qWaitForWindowExposed(main))
        return 1;

    auto edit = [&](const char* name) { return main->findChild<QLineEdit*>(QLatin1String(name)); };
    auto combo = [&](const char* name) { return main->findChild<QComboBox*>(QLatin1String(name)); };
    edit("txtFirstName")->setText(QStringLiteral("JOHN"));
    edit("txtPound")->setText(QStringLiteral("180"));
    edit("txtKg")->setText(QStringLiteral("81.5"));
    edit("txtLossPound")->setText(QStringLiteral("10"));
    edit("txtLossKg")->setText(QStringLiteral("4.5"));
    combo("cboAge")->setCurrentText(QStringLiteral("30"));
    combo("cboFeet")->setCurrentText(QStringLiteral("5"));
    combo("cboInch")->setCurrentText(QStringLiteral("10"));
    combo("cboDays")->setCurrentText(QStringLiteral("30"));
    combo("cboDailyActivity")->setCurrentIndex(2);
    auto* calculate = main->findChild<QPushButton*>(QStringLiteral("cmdNext"));

    ExposeWatch watch(shell);
    app.installEventFilter(&watch);
    std::vector<double> handled;
    std::vector<double> onScreen;
    for (int i = 0; i < presses; ++i) {
        watch.exposed = false;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(calculate, Qt::LeftButton);
        handled.push_back(timer.nsecsElapsed() / 1e6);
        // The expose is handled, and the window painted, inside the call that delivers it.
        while (!watch.exposed && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!watch.exposed) {
            std::fprintf(stderr, "the results window was not exposed\n");
            return 1;
        }
        onScreen.push_back(timer.nsecsElapsed() / 1e6);

        // Back to the inputs, and let the windows settle before the next press.
        QTest::mouseClick(
            shell.loadedForm(FormId::Display)->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!QTest::qWaitForWindowExposed(main))
            return 1;
        QTest::qWait(50);
    }

    std::printf("first press: handled %.2f ms, on screen %.2f ms\n", handled.front(), onScreen.front());
    handled.erase(handled.begin());
    onScreen.erase(onScreen.begin());
    std::printf("median of %zu more: handled %.2f ms, on screen %.2f ms (max %.2f)\n", onScreen.size(), median(handled),
        median(onScreen), *std::max_element(onScreen.begin(), onScreen.end()));
    return 0;
}
