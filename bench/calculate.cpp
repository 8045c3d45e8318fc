// The time from pressing Calculate until the results window is on the screen, inside
// the program: the shell is started as at a normal start (with the instance check and
// the update reminder left out), the details of the typical run are filled in, and
// Calculate is pressed and "Calculate Again" pressed back, many times over.
//
//   veltro-bench-calculate [PRESSES]
//
// For each press it takes the time until the press's handler has returned (the
// results window loaded, filled and shown), until the X server has exposed the
// results window and the program has painted it (on screen), and until the other
// events handled in the same round as that expose are too (settled: the program is
// busy until then, as the progress window fills itself again when it becomes active).
// Then the same for the plan window, from pressing "See Your Plan" (the plan is
// worked out at the first request after a calculation), and for the progress window,
// from the main window's "Your Progress", closed in between; run it with the journal
// of a person who follows a plan in $XDG_DATA_HOME (veltro-bench-logic journal).
// Prints the first press and the medians of the others, in milliseconds.

#include "app/shell.h"
#include "buildconfig.h"
#include "ui/look.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
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

// The program's application, noting when a window of the shell's has been exposed for
// the first time and painted: the expose is handled, and the window painted, inside
// the call that delivers it.
class BenchApplication final : public QApplication
{
public:
    using QApplication::QApplication;

    void watch(Shell& shell, FormId form)
    {
        m_shell = &shell;
        m_form = form;
        m_paintedMs = -1;
        m_clock.start();
    }
    bool painted() const { return m_paintedMs >= 0; }
    double paintedMs() const { return m_paintedMs; }
    double elapsedMs() const { return m_clock.nsecsElapsed() / 1e6; }

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool expose = event->type() == QEvent::Expose && m_shell && !painted();
        QPointer<QObject> guard = receiver;
        const bool result = QApplication::notify(receiver, event);
        if (expose && guard) {
            QWidget* widget = m_shell->loadedForm(m_form);
            auto* window = qobject_cast<QWindow*>(guard.data());
            if (widget && window && window == widget->windowHandle() && window->isExposed())
                m_paintedMs = elapsedMs();
        }
        return result;
    }

private:
    Shell* m_shell = nullptr;
    FormId m_form = FormId::Display;
    QElapsedTimer m_clock;
    double m_paintedMs = -1;
};

struct Timings
{
    std::vector<double> handled; // the request's handler has returned
    std::vector<double> onScreen; // the window exposed and painted
    std::vector<double> settled; // the round of events the expose came in handled
};

// Asks for the window and waits for it to be exposed; false after 5 s.
bool askUntilShown(const std::function<void()>& ask, BenchApplication& app, Shell& shell, FormId form, Timings& t)
{
    app.watch(shell, form);
    ask();
    t.handled.push_back(app.elapsedMs());
    while (!app.painted() && app.elapsedMs() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    t.onScreen.push_back(app.paintedMs());
    t.settled.push_back(app.elapsedMs());
    return app.painted();
}

bool pressUntilShown(QPushButton* button, BenchApplication& app, Shell& shell, FormId form, Timings& t)
{
    return askUntilShown([button] { QTest::mouseClick(button, Qt::LeftButton); }, app, shell, form, t);
}

void report(const char* what, Timings t)
{
    std::printf("%s, first: handled %.2f ms, on screen %.2f ms, settled %.2f ms\n", what, t.handled.front(),
        t.onScreen.front(), t.settled.front());
    for (std::vector<double>* v : {&t.handled, &t.onScreen, &t.settled})
        v->erase(v->begin());
    std::printf("%s, median of %zu more: handled %.2f ms, on screen %.2f ms (max %.2f), settled %.2f ms (max %.2f)\n",
        what, t.onScreen.size(), median(t.handled), median(t.onScreen),
        *std::max_element(t.onScreen.begin(), t.onScreen.end()), median(t.settled),
        *std::max_element(t.settled.begin(), t.settled.end()));
}

} // namespace

int main(int argc, char* argv[])
{
    BenchApplication app(argc, argv);
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

    Timings results;
    Timings plan;
    for (int i = 0; i < presses; ++i) {
        if (!pressUntilShown(calculate, app, shell, FormId::Display, results)) {
            std::fprintf(stderr, "the results window was not exposed\n");
            return 1;
        }
        QTest::qWait(50);
        QWidget* display = shell.loadedForm(FormId::Display);
        if (!pressUntilShown(
                display->findChild<QPushButton*>(QStringLiteral("cmdPlan")), app, shell, FormId::Plan, plan)) {
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
    Timings progressWindow;
    for (int i = 0; i < presses; ++i) {
        if (!askUntilShown([progress] { progress->trigger(); }, app, shell, FormId::Progress, progressWindow)) {
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

    report("Calculate", results);
    report("the plan", plan);
    report("the progress", progressWindow);
    return 0;
}
