// The time from pressing Calculate until the results window is on the screen, inside
// the program: the shell is started as at a normal start (with the instance check and
// the update reminder left out), the details of the typical run are filled in, and
// Calculate is pressed and "Calculate Again" pressed back, many times over.
//
//   veltro-bench-calculate [PRESSES]
//
// For each press it takes the time until the press's handler has returned (the
// results window loaded, filled and shown) and until the X server has exposed the
// results window and the program has painted it; then the same for the plan window,
// from pressing "See Your Plan" (the plan is worked out at the first request after a
// calculation). Then, from the main window's "Your Progress" until the progress window
// is exposed and painted, closed in between; run it with the journal of a person who
// follows a plan in $XDG_DATA_HOME (veltro-bench-logic journal). Prints the first press
// and the medians of the others, in milliseconds.

#include "app/shell.h"
#include "buildconfig.h"
#include "ui/look.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Notes the moment a window of the shell's is first exposed.
class ExposeWatch final : public QObject
{
public:
    explicit ExposeWatch(Shell& shell)
        : m_shell(shell)
    { }
    bool exposed = false;
    FormId form = FormId::Display;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !exposed) {
            QWidget* widget = m_shell.loadedForm(form);
            auto* window = qobject_cast<QWindow*>(watched);
            if (widget && window && window == widget->windowHandle() && window->isExposed())
                exposed = true;
        }
        return false;
    }

private:
    Shell& m_shell;
};

// Asks for the window and waits for it to be exposed; false after 5 s.
bool askUntilShown(const std::function<void()>& ask, ExposeWatch& watch, FormId form, std::vector<double>& handled,
    std::vector<double>& onScreen)
{
    watch.exposed = false;
    watch.form = form;
    QElapsedTimer timer;
    timer.start();
    ask();
    handled.push_back(timer.nsecsElapsed() / 1e6);
    // The expose is handled, and the window painted, inside the call that delivers it.
    while (!watch.exposed && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    onScreen.push_back(timer.nsecsElapsed() / 1e6);
    return watch.exposed;
}

bool pressUntilShown(
    QPushButton* button, ExposeWatch& watch, FormId form, std::vector<double>& handled, std::vector<double>& onScreen)
{
    return askUntilShown([button] { QTest::mouseClick(button, Qt::LeftButton); }, watch, form, handled, onScreen);
}

void report(const char* what, std::vector<double> handled, std::vector<double> onScreen)
{
    std::printf("%s, first: handled %.2f ms, on screen %.2f ms\n", what, handled.front(), onScreen.front());
    handled.erase(handled.begin());
    onScreen.erase(onScreen.begin());
    std::printf("%s, median of %zu more: handled %.2f ms, on screen %.2f ms (max %.2f)\n", what, onScreen.size(),
        median(handled), median(onScreen), *std::max_element(onScreen.begin(), onScreen.end()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Set up as the program's main() does.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QStringLiteral(VELTRO_EXECUTABLE_NAME));
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
    std::vector<double> planHandled;
    std::vector<double> planOnScreen;
    for (int i = 0; i < presses; ++i) {
        if (!pressUntilShown(calculate, watch, FormId::Display, handled, onScreen)) {
            std::fprintf(stderr, "the results window was not exposed\n");
            return 1;
        }
        QTest::qWait(50);
        QWidget* display = shell.loadedForm(FormId::Display);
        if (!pressUntilShown(display->findChild<QPushButton*>(QStringLiteral("cmdPlan")), watch, FormId::Plan,
                planHandled, planOnScreen)) {
            std::fprintf(stderr, "the plan window was not exposed\n");
            return 1;
        }
        QTest::keyClick(shell.loadedForm(FormId::Plan), Qt::Key_Escape);
        QTest::qWait(50);

        // Back to the inputs, and let the windows settle before the next press.
        QTest::mouseClick(
            shell.loadedForm(FormId::Display)->findChild<QPushButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!QTest::qWaitForWindowExposed(main))
            return 1;
        QTest::qWait(50);
    }

    // The progress window over the main window, as a person who follows a plan opens it
    // from the menu; the first time opens the journal.
    QAction* progress = main->findChild<QAction*>(QStringLiteral("mnuProgress"));
    std::vector<double> progressHandled;
    std::vector<double> progressOnScreen;
    for (int i = 0; i < presses; ++i) {
        if (!askUntilShown(
                [progress] { progress->trigger(); }, watch, FormId::Progress, progressHandled, progressOnScreen)) {
            std::fprintf(stderr, "the progress window was not exposed\n");
            return 1;
        }
        if (i == 0 && !shell.loadedForm(FormId::Progress)->windowTitle().contains(QStringLiteral("JOHN"))) {
            std::fprintf(stderr, "the progress window shows no followed plan: %s\n",
                qPrintable(shell.loadedForm(FormId::Progress)->windowTitle()));
            return 1;
        }
        QTest::qWait(50);
        shell.unloadForm(FormId::Progress);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(50);
    }

    report("Calculate", handled, onScreen);
    report("the plan", planHandled, planOnScreen);
    report("the progress", progressHandled, progressOnScreen);
    return 0;
}
