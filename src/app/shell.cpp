#include "app/shell.h"

#include "app/messagebox.h"
#include "app/singleinstance.h"
#include "app/updatereminder.h"
#include "links/cobrand.h"
#include "ui/aboutwindow.h"
#include "ui/displaywindow.h"
#include "ui/exitscreen.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>

Shell::Shell()
    : m_terminator([](int code) { QCoreApplication::exit(code); })
{ }

Shell::~Shell()
{
    for (Slot& s : m_slots)
        delete s.widget.data();
}

void Shell::StartApplication()
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
        MessageBox::information(nullptr, QStringLiteral("Application is already running"));
        EndApplication();
        return;
    }

    // 2. A fresh seed for this run's draws.
    m_random.seedFromClock();

    // 3. The update reminder's message, if any, stands alone before the main window.
    if (m_updateReminder)
        m_updateReminder();
    else
        UpdateReminder();

    // 4. The main window; loading it fills its lists.
    showForm(FormId::Main);

    // 5. One of the two offer labels goes in front for the whole run.
    if (MainWindow* main = frmMain())
        m_coBrandRandomNumber = CoBrand_Randomize(m_random, main->lblCobrand(), main->lblFullBrand());
}

void Shell::EndApplication()
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

MainWindow* Shell::frmMain()
{
    return static_cast<MainWindow*>(load(FormId::Main));
}

DisplayWindow* Shell::frmDisplay()
{
    return static_cast<DisplayWindow*>(load(FormId::Display));
}

AboutWindow* Shell::frmAbout()
{
    return static_cast<AboutWindow*>(load(FormId::About));
}

ExitScreen* Shell::frmExitScreen()
{
    return static_cast<ExitScreen*>(load(FormId::ExitScreen));
}

bool Shell::isLoaded(FormId id) const
{
    return !slot(id).widget.isNull();
}

QWidget* Shell::loadedForm(FormId id) const
{
    return slot(id).widget.data();
}

bool Shell::isUnloading(FormId id) const
{
    return slot(id).unloading;
}

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
        auto* w = new MainWindow(*this);
        s.widget = w;
        s.steps = w;
        break;
    }
    case FormId::Display: {
        auto* w = new DisplayWindow(*this);
        s.widget = w;
        s.steps = w;
        break;
    }
    case FormId::About: {
        auto* w = new AboutWindow(*this);
        s.widget = w;
        s.steps = w;
        break;
    }
    case FormId::ExitScreen: {
        auto* w = new ExitScreen(*this);
        s.widget = w;
        s.steps = w;
        break;
    }
    }
    m_loadOrder.append(id);
    s.steps->Form_Load();
    return s.widget.data();
}

void Shell::showForm(FormId id)
{
    if (load(id))
        applyVisibility(id, true);
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
    s.unloading = true;
    s.steps->Form_Unload();

    QWidget* widget = s.widget.data();
    s = Slot();
    m_loadOrder.removeAll(id);
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
}

void Shell::showAboutModal(QWidget* opener)
{
    AboutWindow* about = frmAbout();
    if (!about)
        return;
    QPointer<QWidget> back = opener;
    about->exec();
    unloadForm(FormId::About);
    // Keyboard use goes on where it was, also where no window manager hands the
    // activation back.
    if (back && back->isVisible())
        back->activateWindow();
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
