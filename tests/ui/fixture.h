#pragma once

#include "app/shell.h"
#include "app/weightunit.h"
#include "platform/messagebox.h"
#include "ui/look.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <memory>

// A started program inside the test process: the shell with its start-up steps
// that reach outside replaced, message boxes recorded instead of shown, and the
// end of the process recorded instead of carried out. The generator's first draws
// can be given.
struct RunningProgram
{
    std::unique_ptr<Shell> shell = std::make_unique<Shell>();
    int exitCode = -1;
    int terminations = 0;

    explicit RunningProgram(std::deque<float> draws = {})
    {
        // Each test process starts as a first run does, pounds first, whatever a run
        // before it chose; a test that needs it so within the process forgets too.
        static const bool firstRun = [] {
            WeightUnitSetting::forget();
            return true;
        }();
        Q_UNUSED(firstRun);
        MessageBox::setRecording(true);
        shell->setInstanceCheck([] { return true; });
        shell->setUpdateReminder([] {});
        shell->setTerminator([this](int code) {
            exitCode = code;
            ++terminations;
        });
        shell->random().setSequence(std::move(draws));
        shell->startApplication();
    }

    ~RunningProgram()
    {
        shell.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MessageBox::setRecording(false);
    }

    QWidget* form(FormId id) const { return shell->loadedForm(id); }

    template <typename T> T* child(FormId id, const char* name) const
    {
        QWidget* f = form(id);
        return f ? f->findChild<T*>(QLatin1String(name)) : nullptr;
    }

    // Deferred deletions of unloaded windows happen here.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static bool activate(QWidget* window)
    {
        window->activateWindow();
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }
};

// What a user enters in the main window.
struct Inputs
{
    QString name;
    QString gender;
    QString age;
    QString feet;
    QString inches;
    QString pounds;
    QString loss;
    QString days;
    int activity;
};
Q_DECLARE_METATYPE(Inputs)

// John, 30, 5 feet 10, 180 pounds, 10 to lose in 30 days, moderately active.
inline const Inputs kTypicalRun {"john", "Male", "30", "5", "10", "180", "10", "30", 2};

// Fills the main window as a user does, typing the name and the pounds and leaving
// each box by a click elsewhere, and presses Calculate.
inline void fillAndCalculate(RunningProgram& p, const Inputs& in = kTypicalRun)
{
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    auto edit = [&](const char* n) { return main->findChild<QLineEdit*>(QLatin1String(n)); };
    auto combo = [&](const char* n) { return main->findChild<QComboBox*>(QLatin1String(n)); };

    edit("txtFirstName")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit("txtFirstName"), in.name);
    combo("cboGender")->setCurrentText(in.gender);
    combo("cboAge")->setCurrentText(in.age);
    combo("cboFeet")->setCurrentText(in.feet);
    combo("cboInch")->setCurrentText(in.inches);
    combo("cboDays")->setCurrentText(in.days);
    combo("cboDailyActivity")->setCurrentIndex(in.activity);
    edit("txtPound")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit("txtPound"), in.pounds);
    edit("txtLossPound")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit("txtLossPound"), in.loss);
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("cmdNext")), Qt::LeftButton);
}

// Types a text as a keyboard does: one key press for each character, whatever plane
// it lies in (an emoji comes as one key press carrying both halves).
inline void typeText(QWidget* w, const QString& text)
{
    for (const uint c : text.toUcs4()) {
        const char32_t code = c;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&code, 1), Qt::NoModifier);
    }
}

// Catches the pages the program hands to the desktop.
class PageCatcher : public QObject
{
    Q_OBJECT

public:
    PageCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~PageCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
