#pragma once

#include "app/randomsource.h"
#include "calculator/personaldetails.h"

#include <QList>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;
class MainWindow;
class DisplayWindow;
class AboutWindow;
class ExitScreen;
class SingleInstanceGuard;

enum class FormId { Main, Display, About, ExitScreen };

// The load and unload steps of a window that the shell owns.
class FormSteps
{
public:
    virtual ~FormSteps() = default;
    virtual void Form_Load() { }
    virtual void Form_Unload() { }
};

// Owns the program's four windows and their states (not loaded, loaded and hidden,
// loaded and shown), runs start-up and ends the process.
//
// Any reference to a window that is not loaded loads it and runs its load step once;
// hiding keeps it with everything in it; unloading runs its unload step and destroys
// it, and a later reference loads a fresh one.
class Shell final
{
public:
    Shell();
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    void StartApplication();
    void EndApplication();
    bool hasEnded() const { return m_ended; }

    // What ends the process once every window is unloaded; leaving the event loop
    // with code 0 unless a test says otherwise.
    void setTerminator(std::function<void(int)> terminator) { m_terminator = std::move(terminator); }
    // The start-up steps that reach outside the process, replaceable in tests.
    void setInstanceCheck(std::function<bool()> onlyInstance) { m_onlyInstance = std::move(onlyInstance); }
    void setUpdateReminder(std::function<void()> reminder) { m_updateReminder = std::move(reminder); }

    MainWindow* frmMain();
    DisplayWindow* frmDisplay();
    AboutWindow* frmAbout();
    ExitScreen* frmExitScreen();

    bool isLoaded(FormId id) const;
    QWidget* loadedForm(FormId id) const;
    QList<FormId> loadOrder() const { return m_loadOrder; }

    void showForm(FormId id);
    void hideForm(FormId id);
    void unloadForm(FormId id);
    bool isUnloading(FormId id) const;

    // Shows the about box modal with no owner and returns when it has been closed;
    // the window that opened it is then active again.
    void showAboutModal(QWidget* opener);

    // Window visibility changes made while one of these lives are applied together
    // when it goes, so a window that a transition shows and hides again never
    // flashes on the screen.
    class VisibilityBatch final
    {
    public:
        explicit VisibilityBatch(Shell& shell);
        ~VisibilityBatch();
        VisibilityBatch(const VisibilityBatch&) = delete;
        VisibilityBatch& operator=(const VisibilityBatch&) = delete;

    private:
        Shell& m_shell;
    };

    RandomSource& random() { return m_random; }
    CalorieResult& calorieResult() { return m_calorieResult; }
    int coBrandRandomNumber() const { return m_coBrandRandomNumber; }

private:
    struct Slot
    {
        QPointer<QWidget> widget;
        FormSteps* steps = nullptr;
        bool unloading = false;
        int pendingVisible = -1; // -1 none, 0 hide, 1 show
    };

    QWidget* load(FormId id);
    Slot& slot(FormId id) { return m_slots[static_cast<int>(id)]; }
    const Slot& slot(FormId id) const { return m_slots[static_cast<int>(id)]; }
    void applyVisibility(FormId id, bool visible);
    void flushVisibility();

    Slot m_slots[4];
    QList<FormId> m_loadOrder;
    int m_batchDepth = 0;
    bool m_ending = false;
    bool m_ended = false;

    RandomSource m_random;
    CalorieResult m_calorieResult;
    int m_coBrandRandomNumber = 0;

    std::unique_ptr<SingleInstanceGuard> m_instanceGuard;
    std::function<void(int)> m_terminator;
    std::function<bool()> m_onlyInstance;
    std::function<void()> m_updateReminder;
};
