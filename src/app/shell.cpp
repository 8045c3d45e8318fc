#include "app/shell.h"

#include "app/progresskeeper.h"
#include "app/updatereminder.h"
#include "app/weightunit.h"
#include "calculator/calculation.h"
#include "calculator/height.h"
#include "calculator/resulttexts.h"
#include "links/cobrand.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "ui/aboutwindow.h"
#include "ui/displaywindow.h"
#include "ui/exitscreen.h"
#include "ui/mainwindow.h"
#include "ui/planoutput.h"
#include "ui/planwindow.h"
#include "ui/progresswindow.h"
#include "ui/screenfit.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

// The height's unit as the person last chose it, kept with the other settings.
const QString kSettingsSection = QStringLiteral("Settings");
const QString kHeightUnitKey = QStringLiteral("HeightUnit");

void copyPlan(QWidget*, const WeightPlan&, const PlanTexts& texts)
{
    PlanOutput::copy(texts);
}

} // namespace

Shell::Shell()
    : m_terminator([](int code) { QCoreApplication::exit(code); })
{
    // The plan's PDF too is kept from the journal, before the journal is first opened.
    ProgressKeeper::guardJournal();
}

Shell::~Shell()
{
    for (Slot& s : m_slots)
        delete s.widget.data();
}

ProgressKeeper& Shell::progress()
{
    if (!m_progress)
        m_progress = std::make_unique<ProgressKeeper>();
    return *m_progress;
}

void Shell::startApplication()
{
    // 1. Only one instance runs at a time.
    bool onlyInstance = true;
    if (m_onlyInstance) {
        onlyInstance = m_onlyInstance();
    } else {
        m_instanceGuard = std::make_unique<SingleInstanceGuard>();
        onlyInstance = m_instanceGuard->tryAcquire();
    }
    if (!onlyInstance) {
        // The launcher's "Your Progress" goes to the instance that runs, which shows
        // it; a plain start, or one that instance does not answer, is refused.
        const auto handOver = m_progressHandOver ? m_progressHandOver : [] {
            return InstanceRequest::askToShowProgress(
                SingleInstanceGuard::socketPathsFor(SingleInstanceGuard::defaultLockPaths()));
        };
        if (!m_progressAtStart || !handOver())
            //: Message box shown when the program is started a second time; its title is the program's caption.
            MessageBox::information(nullptr, tr("Application is already running"));
        endApplication();
        return;
    }

    // 2. A fresh seed for this run's draws.
    m_random.seedFromClock();

    // 3. The update reminder's message, if any, stands alone before the main window.
    if (m_updateReminder)
        m_updateReminder();
    else
        runUpdateReminder();

    // 4. The main window, on the screen under the pointer; loading it fills its lists.
    showForm(FormId::Main, QGuiApplication::screenAt(QCursor::pos()));

    // 5. One of the two offers goes in front for the whole run.
    if (auto* main = window<MainWindow>(FormId::Main))
        main->putOfferInFront(drawOfferInFront(m_random));

    // Asked for on the command line: the person's progress, over the main window.
    if (m_progressAtStart)
        showProgress();

    // From now on a later start's --progress comes here; before, while the update
    // reminder's message waits, it finds nobody and is refused as any second start.
    if (m_instanceGuard && !m_ending) {
        m_requests = std::make_unique<InstanceRequestListener>();
        m_requests->listen(SingleInstanceGuard::socketPathsFor(m_instanceGuard->heldLockPaths()));
        connect(
            m_requests.get(), &InstanceRequestListener::showProgressRequested, this, &Shell::showProgressFromElsewhere);
    }
}

void Shell::endApplication()
{
    if (m_ended)
        return;
    m_ending = true;
    // An unload step may enter this routine again; that entry finishes the work,
    // and this one then has nothing left to do.
    const QList<FormId> order = m_loadOrder;
    for (FormId id : order)
        unloadForm(id);
    if (m_ended)
        return;
    m_ended = true;
    if (m_terminator)
        m_terminator(0);
}

// The program's window-to-window behaviour. Each window asks; what follows is decided
// here and nowhere else.
//
// | Request                           | What follows                                     |
// |-----------------------------------|--------------------------------------------------|
// | Calculate, valid input            | calculate()                                      |
// | Calculate Again (button, menu)    | calculateAgain()                                 |
// | About Software (either window)    | showAbout()                                      |
// | Exit or close box, main window    | unload it: its unload step shows the exit screen |
// | Exit or close box, results window | unload it: its unload step shows the exit screen |
// | Exit or close box, exit screen    | endApplication()                                 |
// | See Your Plan; Print, Save, Copy  | showPlan(); keepPlan()                           |
// | Close, Escape, close box, plan    | unload the plan window                           |
// | Follow This Plan (plan, results)  | followPlan(): the progress window shows it       |
// | Your Progress (any of the three)  | showProgress()                                   |
// | --progress started while it runs  | showProgressFromElsewhere(), until the exit      |
// |                                   | screen: the progress window, in front            |
// | Close, Escape, close box, progress| unload the progress window                       |
// | Any of these while a modal dialog | refused: the dialog comes to the front           |
// | or a message box is open          |                                                  |

QWidget* Shell::load(FormId id)
{
    Slot& s = slot(id);
    if (s.widget)
        return s.widget.data();
    // Nothing new is loaded once the program is on its way out.
    if (m_ending)
        return nullptr;

    switch (id) {
    case FormId::Main: {
        auto* main = new MainWindow;
        connect(main, &MainWindow::calculateRequested, this, &Shell::calculate);
        connect(main, &MainWindow::aboutRequested, this, [this, main] { showAbout(main); });
        connect(main, &MainWindow::closeRequested, this, [this] { close(FormId::Main); });
        connect(main, &MainWindow::progressRequested, this, &Shell::showProgress);
        main->setHeightInCentimetres(
            heightUnitFromSetting(SettingsStore::value(kSettingsSection, kHeightUnitKey)) == HeightUnit::Centimetres);
        connect(main, &MainWindow::heightUnitChosen, this, [](bool centimetres) {
            SettingsStore::setValue(kSettingsSection, kHeightUnitKey,
                heightUnitSetting(centimetres ? HeightUnit::Centimetres : HeightUnit::FeetAndInches));
        });
        connect(
            main, &MainWindow::weightUnitChosen, this, [](bool kilograms) { WeightUnitSetting::remember(kilograms); });
        s.widget = main;
        break;
    }
    case FormId::Display: {
        auto* display = new DisplayWindow;
        connect(display, &DisplayWindow::calculateAgainRequested, this, &Shell::calculateAgain);
        connect(display, &DisplayWindow::aboutRequested, this, [this, display] { showAbout(display); });
        connect(display, &DisplayWindow::closeRequested, this, [this] { close(FormId::Display); });
        connect(display, &DisplayWindow::planRequested, this, &Shell::showPlan);
        connect(display, &DisplayWindow::printPlanRequested, this,
            [this, display] { keepPlan(PlanOutput::print, display); });
        connect(display, &DisplayWindow::savePlanRequested, this,
            [this, display] { keepPlan(PlanOutput::saveAsPdf, display); });
        connect(display, &DisplayWindow::copyPlanRequested, this, [this, display] { keepPlan(copyPlan, display); });
        connect(display, &DisplayWindow::followPlanRequested, this, [this, display] { followPlan(display); });
        connect(display, &DisplayWindow::progressRequested, this, &Shell::showProgress);
        s.widget = display;
        break;
    }
    case FormId::Plan: {
        // It belongs to the results window, over which it opens.
        auto* plan = new PlanWindow(window<DisplayWindow>(FormId::Display));
        connect(plan, &PlanWindow::closeRequested, this, [this] { close(FormId::Plan); });
        connect(plan, &PlanWindow::printRequested, this, [this, plan] { keepPlan(PlanOutput::print, plan); });
        connect(plan, &PlanWindow::savePdfRequested, this, [this, plan] { keepPlan(PlanOutput::saveAsPdf, plan); });
        connect(plan, &PlanWindow::copyRequested, this, [this, plan] { keepPlan(copyPlan, plan); });
        connect(plan, &PlanWindow::followRequested, this, [this, plan] { followPlan(plan); });
        connect(plan, &PlanWindow::progressRequested, this, &Shell::showProgress);
        s.widget = plan;
        break;
    }
    case FormId::Progress: {
        auto* window = new ProgressWindow;
        const auto today = [] { return QDate::currentDate(); };
        connect(window, &ProgressWindow::weighInRequested, this, [this, window](const WeighIn& w, const QDate& day) {
            progressRequest([&] {
                if (progress().putWeighIn(window, w, day))
                    window->clearWeighIn();
            });
        });
        connect(window, &ProgressWindow::removeRequested, this,
            [this, window](const QList<QDate>& days) { progressRequest([&] { progress().remove(window, days); }); });
        connect(window, &ProgressWindow::undoRequested, this,
            [this, window] { progressRequest([&] { progress().undo(window); }); });
        connect(window, &ProgressWindow::redoRequested, this,
            [this, window] { progressRequest([&] { progress().redo(window); }); });
        connect(window, &ProgressWindow::importRequested, this,
            [this, window, today] { progressRequest([&] { progress().importFile(window, today()); }); });
        connect(window, &ProgressWindow::exportRequested, this,
            [this, window, today] { progressRequest([&] { progress().exportFile(window, today()); }); });
        connect(window, &ProgressWindow::printRequested, this,
            [this, window, today] { progressRequest([&] { progress().print(window, today()); }); });
        connect(window, &ProgressWindow::savePdfRequested, this,
            [this, window, today] { progressRequest([&] { progress().savePdf(window, today()); }); });
        connect(window, &ProgressWindow::copyRequested, this,
            [this, window, today] { progressRequest([&] { progress().copy(window, today()); }); });
        connect(window, &ProgressWindow::unitChosen, this, [this, window](bool kilograms) {
            progress().setKilograms(window, kilograms);
            // A plan open beside it follows the same unit.
            m_plan.reset();
            refreshPlan();
        });
        connect(window, &ProgressWindow::chartRangeChosen, this,
            [this, window](ChartRange range) { progressRequest([&] { progress().setChartRange(window, range); }); });
        connect(window, &ProgressWindow::closeRequested, this, [this] { close(FormId::Progress); });
        // What another process stored meanwhile (a weigh-in from the command line).
        connect(window, &ProgressWindow::activated, this, [this] {
            if (!QApplication::activeModalWidget() && progress().stale(QDate::currentDate()))
                refreshProgress();
        });
        s.widget = window;
        break;
    }
    case FormId::About:
        s.widget = new AboutWindow;
        break;
    case FormId::ExitScreen: {
        auto* screen = new ExitScreen;
        screen->drawSupportMessage(m_random);
        connect(screen, &ExitScreen::closeRequested, this, [this] { close(FormId::ExitScreen); });
        s.widget = screen;
        break;
    }
    }
    m_loadOrder.append(id);
    return s.widget.data();
}

// Calculate with valid input: the results window is filled (which loads it), the main
// window and the exit screen are hidden (which loads the exit screen the first time)
// and the results window is shown.
void Shell::calculate(const PersonalDetails& details)
{
    if (modalDialogInTheWay())
        return;
    VisibilityBatch batch(*this);
    m_calorieResult = calculateCalories(details, m_calorieResult, QLocale(), &m_steps);
    m_details = details;
    m_plan.reset();
    refreshPlan();
    auto* display = window<DisplayWindow>(FormId::Display);
    if (!display)
        return;
    display->showResults(resultTexts(details, m_calorieResult));
    QScreen* screen = screenOf(FormId::Main);
    hideForm(FormId::Main);
    hideForm(FormId::ExitScreen);
    showForm(FormId::Display, screen);
}

// Calculate Again: the main window comes back as it was left, the results window is
// unloaded (its unload step shows the exit screen) and the exit screen is hidden again.
void Shell::calculateAgain()
{
    if (modalDialogInTheWay())
        return;
    VisibilityBatch batch(*this);
    showForm(FormId::Main);
    unloadForm(FormId::Display); // the plan goes with it
    hideForm(FormId::ExitScreen);
}

// The plan window opens over the results window, one at a time; asked for again, the
// one open comes to the front.
void Shell::showPlan()
{
    if (modalDialogInTheWay())
        return;
    auto* plan = window<PlanWindow>(FormId::Plan);
    if (!plan)
        return;
    refreshPlan();
    showForm(FormId::Plan);
}

// A plan window open follows the calculation just made, so it never shows a stale plan.
void Shell::refreshPlan()
{
    if (auto* window = static_cast<PlanWindow*>(loadedForm(FormId::Plan))) {
        const auto& [plan, texts] = currentPlan();
        window->showPlan(plan, texts);
    }
}

// Worked out once per calculation, when it is first asked for.
const std::pair<WeightPlan, PlanTexts>& Shell::currentPlan()
{
    if (!m_plan) {
        WeightPlan plan = makeWeightPlan(m_details, m_calorieResult, m_steps, QDate::currentDate());
        PlanTexts texts = planTexts(plan, QLocale(), WeightUnitSetting::kilogramsFirst().value_or(false));
        m_plan.emplace(std::move(plan), std::move(texts));
    }
    return *m_plan;
}

void Shell::keepPlan(void (*keep)(QWidget*, const WeightPlan&, const PlanTexts&), QWidget* from)
{
    if (modalDialogInTheWay())
        return;
    // A copy: the dialog's event loop must not read a plan that a new calculation
    // has replaced meanwhile.
    const auto [plan, texts] = currentPlan();
    QPointer<QWidget> back = from;
    keep(from, plan, texts);
    if (back && back->isVisible())
        back->activateWindow();
}

// Follow This Plan: the plan of the last calculation is followed from today, and the
// progress window shows it.
void Shell::followPlan(QWidget* from)
{
    if (modalDialogInTheWay())
        return;
    const WeightPlan plan = currentPlan().first;
    QPointer<QWidget> back = from;
    if (progress().follow(from, plan, QDate::currentDate()))
        showProgress();
    else if (back && back->isVisible())
        back->activateWindow();
}

// The progress window, one at a time; asked for again, the one open comes to the front.
void Shell::showProgress()
{
    if (modalDialogInTheWay())
        return;
    if (!load(FormId::Progress))
        return;
    refreshProgress();
    showForm(FormId::Progress, QGuiApplication::screenAt(QCursor::pos()));
}

void Shell::showProgressFromElsewhere()
{
    if (m_ending || !(isLoaded(FormId::Main) || isLoaded(FormId::Display)))
        return;
    // Shown again from scratch, an open window leaves another desktop or the task bar
    // and comes up where the person works now, as a window newly opened does.
    if (QWidget* window = loadedForm(FormId::Progress); window && window->isVisible() && !modalDialogInTheWay())
        window->hide();
    showProgress();
}

void Shell::refreshProgress()
{
    if (auto* window = static_cast<ProgressWindow*>(loadedForm(FormId::Progress)))
        window->showProgress(progress().view(window, QDate::currentDate()));
}

template <typename Request> void Shell::progressRequest(Request request)
{
    if (modalDialogInTheWay())
        return;
    request();
    refreshProgress();
    // Keyboard use goes on in the window after a dialog or a message, also where no
    // window manager hands the activation back.
    if (QWidget* window = loadedForm(FormId::Progress); window && window->isVisible())
        window->activateWindow();
}

// About: modal with no owner, unloaded once closed; no unload step follows. Keyboard
// use goes on in the window that opened it, also where no window manager hands the
// activation back.
void Shell::showAbout(QWidget* opener)
{
    if (modalDialogInTheWay())
        return;
    auto* about = window<AboutWindow>(FormId::About);
    if (!about)
        return;
    QPointer<QWidget> back = opener;
    ScreenFit::place(about, opener ? opener->screen() : nullptr);
    about->exec();
    unloadForm(FormId::About);
    if (back && back->isVisible())
        back->activateWindow();
}

// Exit, Close or the close box of a window.
void Shell::close(FormId id)
{
    if (modalDialogInTheWay())
        return;
    if (id == FormId::ExitScreen) {
        endApplication();
        return;
    }
    unloadForm(id);
    // Keyboard use goes on in the results once the plan is closed, also where no
    // window manager hands the activation back.
    if (QWidget* display = loadedForm(FormId::Display); id == FormId::Plan && display && display->isVisible())
        display->activateWindow();
}

// While a modal dialog or message box is open, the windows behind it take no
// command. The mouse and the keyboard cannot reach them, but a screen reader's, a
// switch's or voice control's press of a button can; unloading the window whose
// dialog is open would destroy it under the dialog's event loop. The command is
// refused and the dialog in the way comes to the front, so that the person sees, or
// hears, why nothing happened.
bool Shell::modalDialogInTheWay()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    modal->raise();
    modal->activateWindow();
    return true;
}

// Closing a working window shows the exit screen, and the window closes all the same
// (the exit step); closing the exit screen ends the program.
void Shell::unloadStep(FormId id)
{
    switch (id) {
    case FormId::Main:
    case FormId::Display:
        showForm(FormId::ExitScreen, screenOf(id));
        break;
    case FormId::ExitScreen:
        endApplication();
        break;
    case FormId::About:
    case FormId::Plan:
    case FormId::Progress:
        break;
    }
}

bool Shell::isLoaded(FormId id) const
{
    return !slot(id).widget.isNull();
}

QWidget* Shell::loadedForm(FormId id) const
{
    return slot(id).widget.data();
}

void Shell::showForm(FormId id, QScreen* screen)
{
    if (!load(id))
        return;
    Slot& s = slot(id);
    if (!s.placed && screen)
        s.screen = screen;
    applyVisibility(id, true);
}

QScreen* Shell::screenOf(FormId id) const
{
    const QWidget* w = slot(id).widget.data();
    return w ? w->screen() : nullptr;
}

void Shell::hideForm(FormId id)
{
    if (load(id))
        applyVisibility(id, false);
}

void Shell::unloadForm(FormId id)
{
    Slot& s = slot(id);
    if (!s.widget || s.unloading)
        return;
    // The plan window belongs to the results window and goes before it.
    if (id == FormId::Display)
        unloadForm(FormId::Plan);
    s.unloading = true;
    unloadStep(id);

    QWidget* widget = s.widget.data();
    s = Slot();
    m_loadOrder.removeAll(id);
    // With both working windows gone only the exit screen is left: a later start is
    // refused as any other, so nobody listens for its requests any more.
    if ((id == FormId::Main || id == FormId::Display) && !isLoaded(FormId::Main) && !isLoaded(FormId::Display))
        m_requests.reset();
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

void Shell::applyVisibility(FormId id, bool visible)
{
    if (m_ending)
        return;
    Slot& s = slot(id);
    if (m_batchDepth > 0) {
        s.pendingVisible = visible ? 1 : 0;
        return;
    }
    QWidget* w = s.widget.data();
    if (!w)
        return;
    if (visible) {
        // A window of its own goes on the screen the user works on; one that belongs
        // to another opens over it.
        if (!s.placed && !w->parentWidget())
            ScreenFit::place(w, s.screen);
        s.placed = true;
        // Asked for again, a minimised window comes back as it was before.
        if (w->isMinimized())
            w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        w->show();
        w->raise();
        w->activateWindow();
    } else {
        w->hide();
    }
}

void Shell::flushVisibility()
{
    // Hides first, so the window that stays on view is the last one shown.
    for (int pass = 0; pass < 2; ++pass) {
        for (FormId id : m_loadOrder) {
            Slot& s = slot(id);
            if (s.pendingVisible == pass) {
                s.pendingVisible = -1;
                applyVisibility(id, pass == 1);
            }
        }
    }
}

Shell::VisibilityBatch::VisibilityBatch(Shell& shell)
    : m_shell(shell)
{
    ++m_shell.m_batchDepth;
}

Shell::VisibilityBatch::~VisibilityBatch()
{
    if (--m_shell.m_batchDepth == 0)
        m_shell.flushVisibility();
}
