#pragma once

#include "calculator/calculation.h"
#include "calculator/personaldetails.h"
#include "calculator/plan.h"
#include "calculator/plantext.h"
#include "platform/randomsource.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QScreen;
class QWidget;
class InstanceRequestListener;
class ProgressKeeper;
class SingleInstanceGuard;

// The four windows of the program, the plan window that the results window opens and
// the window of the person's progress.
enum class FormId { Main, Display, About, ExitScreen, Plan, Progress };

// Owns the program's four windows and the flow between them: it runs start-up,
// answers what each window asks for by loading, showing, hiding or unloading windows,
// and ends the process. The windows know nothing of it.
//
// A window is not loaded, loaded and hidden, or loaded and shown. Any reference to a
// window that is not loaded loads it (builds it: its load step); hiding keeps it with
// everything in it; unloading runs its unload step and destroys it, and a later
// reference loads a fresh one.
class Shell final : public QObject
{
    Q_OBJECT

public:
    Shell();
    ~Shell() override;

    void startApplication();
    void endApplication();
    bool hasEnded() const { return m_ended; }

    // What ends the process once every window is unloaded; leaving the event loop
    // with code 0 unless a test says otherwise.
    void setTerminator(std::function<void(int)> terminator) { m_terminator = std::move(terminator); }
    // The start-up steps that reach outside the process, replaceable in tests.
    void setInstanceCheck(std::function<bool()> onlyInstance) { m_onlyInstance = std::move(onlyInstance); }
    void setUpdateReminder(std::function<void()> reminder) { m_updateReminder = std::move(reminder); }
    // Hands --progress to the instance that runs already; true once it took it.
    void setProgressHandOver(std::function<bool()> handOver) { m_progressHandOver = std::move(handOver); }
    // Opens the progress window once the main window is up (the --progress option).
    void setProgressAtStart(bool open) { m_progressAtStart = open; }
    // The program's one random-number generator; tests give it a fixed sequence.
    RandomSource& random() { return m_random; }

    bool isLoaded(FormId id) const;
    QWidget* loadedForm(FormId id) const;
    QList<FormId> loadOrder() const { return m_loadOrder; }

    // A window shown for the first time is centred on the given screen: the one the
    // user works on, where the request came from (by default its own screen).
    void showForm(FormId id, QScreen* screen = nullptr);
    void hideForm(FormId id);
    void unloadForm(FormId id);

private:
    // What the user asks of the windows.
    void calculate(const PersonalDetails& details);
    void calculateAgain();
    void showAbout(QWidget* opener);
    void close(FormId id);
    static bool modalDialogInTheWay();
    void unloadStep(FormId id);
    // The plan of the last calculation: its window, on paper, as PDF, on the clipboard.
    void showPlan();
    void keepPlan(void (*keep)(QWidget*, const WeightPlan&, const PlanTexts&), QWidget* from);
    // The plan followed from today, and the progress window.
    void followPlan(QWidget* from);
    void showProgress();
    // Asked for by a later start (--progress, the launcher's "Your Progress").
    void showProgressFromElsewhere();
    void refreshProgress();
    ProgressKeeper& progress();
    // A request of the progress window, refused while a dialog is in the way, after
    // which the window shows what changed.
    template <typename Request> void progressRequest(Request request);
    void refreshPlan();
    const std::pair<WeightPlan, PlanTexts>& currentPlan();

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

    struct Slot
    {
        QPointer<QWidget> widget;
        bool unloading = false;
        int pendingVisible = -1; // -1 none, 0 hide, 1 show
        bool placed = false;
        QPointer<QScreen> screen; // where it goes when first shown
    };

    QWidget* load(FormId id);
    template <typename Window> Window* window(FormId id) { return static_cast<Window*>(load(id)); }
    Slot& slot(FormId id) { return m_slots[static_cast<int>(id)]; }
    const Slot& slot(FormId id) const { return m_slots[static_cast<int>(id)]; }
    void applyVisibility(FormId id, bool visible);
    QScreen* screenOf(FormId id) const;
    void flushVisibility();

    Slot m_slots[6];
    QList<FormId> m_loadOrder;
    int m_batchDepth = 0;
    bool m_ending = false;
    bool m_progressAtStart = false;
    bool m_ended = false;

    RandomSource m_random;
    // The results of the last calculation; a step that fails keeps its old value.
    CalorieResult m_calorieResult;
    // What the plan of the last calculation is made of, and the plan once asked for.
    PersonalDetails m_details;
    CalculationSteps m_steps;
    std::optional<std::pair<WeightPlan, PlanTexts>> m_plan;

    // The journal behind the progress, opened only when first needed.
    std::unique_ptr<ProgressKeeper> m_progress;
    std::unique_ptr<SingleInstanceGuard> m_instanceGuard;
    std::unique_ptr<InstanceRequestListener> m_requests;
    std::function<bool()> m_progressHandOver;
    std::function<void(int)> m_terminator;
    std::function<bool()> m_onlyInstance;
    std::function<void()> m_updateReminder;
};
