#include "fixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

class TestTransitions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void resultsOfTheWorkedExamples_data();
    void resultsOfTheWorkedExamples();
    void calculateAgainKeepsTheInputs();
    void closingTheMainWindowShowsTheExitScreen_data();
    void closingTheMainWindowShowsTheExitScreen();
    void closingTheResultsWindowKeepsTheMainWindowHidden_data();
    void closingTheResultsWindowKeepsTheMainWindowHidden();
    void endApplicationUnloadsEverythingOnce();
    void secondInstanceEndsBeforeAnyWindow_data();
    void secondInstanceEndsBeforeAnyWindow();
    void exitScreenLoadStepRunsOncePerLoad();
    void enterPressesTheFocusedButton();
};

namespace {

QString labelText(RunningProgram& p, const char* name)
{
    auto* l = p.child<QLabel>(FormId::Display, name);
    return l ? l->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

void closeWindow(QWidget* w)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(w, &close);
}

// Counts the times a window is shown or activated.
class ShowCounter final : public QObject
{
public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
            ++shown;
        return false;
    }
};

} // namespace

void TestTransitions::resultsOfTheWorkedExamples_data()
{
    QTest::addColumn<Inputs>("in");
    QTest::addColumn<QString>("maintenance");
    QTest::addColumn<QString>("goal");

    QTest::newRow("typical run") << Inputs {"john", "Male", "30", "5", "10", "180", "10", "30", 2} << "2943"
                                 << "1788";
    QTest::newRow("female 40") << Inputs {"ann", "Female", "40", "5", "4", "150", "20", "60", 0} << "1695"
                               << "540";
    QTest::newRow("not achievable") << Inputs {"eve", "Female", "60", "5", "0", "120", "30", "30", 0} << "1405"
                                    << QString();
    QTest::newRow("halfway daily loss") << Inputs {"tom", "Male", "25", "6", "0", "200", "1", "8", 4} << "3961"
                                        << "3541";
    QTest::newRow("nothing to lose") << Inputs {"max", "Male", "50", "5", "8", "170", "0", "90", 1} << "2302"
                                     << "2302";
}

void TestTransitions::resultsOfTheWorkedExamples()
{
    QFETCH(Inputs, in);
    QFETCH(QString, maintenance);
    QFETCH(QString, goal);

    RunningProgram p;
    fillAndCalculate(p, in);
    QVERIFY(MessageBox::takeShown().isEmpty());

    QWidget* display = p.form(FormId::Display);
    QVERIFY(display && display->isVisible());
    QVERIFY(!p.form(FormId::Main)->isVisible());
    QVERIFY(p.shell->isLoaded(FormId::ExitScreen));
    QVERIFY(!p.form(FormId::ExitScreen)->isVisible());

    QCOMPARE(labelText(p, "lblName"), in.name.toUpper());
    QCOMPARE(labelText(p, "lblAge"), in.age + " years");
    QCOMPARE(labelText(p, "lblHeight"), in.feet + " Feet " + in.inches + " Inch");
    QCOMPARE(labelText(p, "lblWeight"), in.pounds + " Pounds");
    QCOMPARE(labelText(p, "lblLossWeight"), in.loss + " Pounds");
    QCOMPARE(labelText(p, "lblTimeFrame"), in.days + " day/days");
    QCOMPARE(
        labelText(p, "lblActivityLevel"), p.child<QComboBox>(FormId::Main, "cboDailyActivity")->itemText(in.activity));
    QCOMPARE(labelText(p, "lblResult1"),
        "To maintain your current weight your daily intake of calories should be " + maintenance + " calories");
    QCOMPARE(labelText(p, "lblResult2"),
        goal.isEmpty() ? QStringLiteral("This daily intake of calories cannot be achieved.")
                       : "To reach your goal, your daily intake of calories should be " + goal + " calories");

    // The results are shown whole: every written label fits inside the window.
    for (const char* name : {"lblResult1", "lblResult2", "lblActivityLevel"}) {
        auto* l = p.child<QLabel>(FormId::Display, name);
        QVERIFY2(l->width() >= l->sizeHint().width(), name);
        QVERIFY2(l->mapTo(display, QPoint(l->width(), 0)).x() <= display->width(), name);
    }

    // The bottom band shows the full-branding offer in front of the co-branding one.
    auto* cobrand = p.child<QWidget>(FormId::Display, "lblCobrand");
    auto* fullBrand = p.child<QWidget>(FormId::Display, "lblFullBrand");
    const QObjectList siblings = cobrand->parentWidget()->children();
    QVERIFY(siblings.indexOf(fullBrand) > siblings.indexOf(cobrand));
    QVERIFY(fullBrand->geometry().contains(cobrand->geometry()));
}

void TestTransitions::calculateAgainKeepsTheInputs()
{
    RunningProgram p;
    fillAndCalculate(p, Inputs {"john", "Male", "30", "5", "10", "180", "10", "30", 2});
    QPointer<QWidget> firstDisplay = p.form(FormId::Display);
    QVERIFY(firstDisplay);

    for (const char* how : {"button", "menu"}) {
        // Unloading the results window shows the exit screen, but never on the screen.
        ShowCounter exitScreen(p.form(FormId::ExitScreen));
        if (qstrcmp(how, "button") == 0)
            QTest::mouseClick(p.child<QPushButton>(FormId::Display, "cmdBack"), Qt::LeftButton);
        else
            p.form(FormId::Display)->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        RunningProgram::settle();
        QCOMPARE(exitScreen.shown, 0);

        QVERIFY2(p.form(FormId::Main)->isVisible(), how);
        QVERIFY2(!p.shell->isLoaded(FormId::Display), how);
        QVERIFY2(p.shell->isLoaded(FormId::ExitScreen), how);
        QVERIFY2(!p.form(FormId::ExitScreen)->isVisible(), how);
        QCOMPARE(p.child<QLineEdit>(FormId::Main, "txtFirstName")->text(), QStringLiteral("JOHN"));
        QCOMPARE(p.child<QLineEdit>(FormId::Main, "txtKg")->text(), QStringLiteral("81.5"));
        QCOMPARE(p.child<QComboBox>(FormId::Main, "cboAge")->currentText(), QStringLiteral("30"));
        QCOMPARE(p.child<QComboBox>(FormId::Main, "cboDailyActivity")->currentIndex(), 2);

        // A second calculation builds a fresh results window with the new figures.
        auto* lossPound = p.child<QLineEdit>(FormId::Main, "txtLossPound");
        lossPound->setText(QStringLiteral("20"));
        QTest::mouseClick(p.child<QPushButton>(FormId::Main, "cmdNext"), Qt::LeftButton);
        QVERIFY(firstDisplay.isNull());
        QVERIFY(p.form(FormId::Display)->isVisible());
        QCOMPARE(labelText(p, "lblLossWeight"), QStringLiteral("20 Pounds"));
        QCOMPARE(labelText(p, "lblResult2"),
            QStringLiteral("To reach your goal, your daily intake of calories should be 598 calories"));
        firstDisplay = p.form(FormId::Display);
        lossPound->setText(QStringLiteral("10"));
    }
}

void TestTransitions::closingTheMainWindowShowsTheExitScreen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("Alt+X") << "alt-x";
    QTest::newRow("Exit button") << "button";
}

void TestTransitions::closingTheMainWindowShowsTheExitScreen()
{
    QFETCH(QString, how);
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    if (how == "close")
        closeWindow(main);
    else if (how == "menu")
        main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    else if (how == "alt-x") {
        // The access key presses the button the way a click animates it: a moment later.
        QTest::keyClick(main, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!p.shell->isLoaded(FormId::Main));
    } else
        p.child<QPushButton>(FormId::Main, "cmdExit")->click();
    RunningProgram::settle();

    QVERIFY(!p.shell->isLoaded(FormId::Main));
    QVERIFY(p.shell->isLoaded(FormId::ExitScreen));
    QVERIFY(p.form(FormId::ExitScreen)->isVisible());
    QCOMPARE(p.terminations, 0);
    QVERIFY(p.form(FormId::ExitScreen)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestTransitions::closingTheResultsWindowKeepsTheMainWindowHidden_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("File > Exit") << false;
}

void TestTransitions::closingTheResultsWindowKeepsTheMainWindowHidden()
{
    QFETCH(bool, closeBox);
    RunningProgram p;
    fillAndCalculate(p, Inputs {"john", "Male", "30", "5", "10", "180", "10", "30", 2});
    QWidget* display = p.form(FormId::Display);
    if (closeBox)
        closeWindow(display);
    else
        display->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    RunningProgram::settle();

    QVERIFY(!p.shell->isLoaded(FormId::Display));
    QVERIFY(p.shell->isLoaded(FormId::Main));
    QVERIFY(!p.form(FormId::Main)->isVisible());
    QVERIFY(p.form(FormId::ExitScreen)->isVisible());

    // Closing the exit screen ends the program although the main window was loaded.
    closeWindow(p.form(FormId::ExitScreen));
    RunningProgram::settle();
    QCOMPARE(p.terminations, 1);
    QCOMPARE(p.exitCode, 0);
    QVERIFY(p.shell->loadOrder().isEmpty());
    QVERIFY(p.shell->hasEnded());
}

void TestTransitions::endApplicationUnloadsEverythingOnce()
{
    RunningProgram p;
    fillAndCalculate(p, Inputs {"john", "Male", "30", "5", "10", "180", "10", "30", 2});
    QCOMPARE(p.shell->loadOrder(), (QList<FormId> {FormId::Main, FormId::Display, FormId::ExitScreen}));
    QList<QPointer<QWidget>> windows {p.form(FormId::Main), p.form(FormId::Display), p.form(FormId::ExitScreen)};

    // The exit screen's unload step enters the routine again; the run still ends once.
    p.shell->endApplication();
    QCOMPARE(p.terminations, 1);
    QCOMPARE(p.exitCode, 0);
    QVERIFY(p.shell->loadOrder().isEmpty());
    RunningProgram::settle();
    for (const auto& w : windows)
        QVERIFY(w.isNull());
    QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeWindow());

    // Nothing loads once the program has ended.
    p.shell->showForm(FormId::Main);
    QVERIFY(!p.shell->isLoaded(FormId::Main));
    p.shell->endApplication();
    QCOMPARE(p.terminations, 1);
}

// --progress goes to the running instance and ends quietly once it took it; a plain
// start is refused without asking, as is one that the running instance does not take.
void TestTransitions::secondInstanceEndsBeforeAnyWindow_data()
{
    QTest::addColumn<bool>("progress");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("refused");
    QTest::newRow("plain start") << false << true << 0 << true;
    QTest::newRow("--progress, taken") << true << true << 1 << false;
    QTest::newRow("--progress, not taken") << true << false << 1 << true;
}

void TestTransitions::secondInstanceEndsBeforeAnyWindow()
{
    QFETCH(bool, progress);
    QFETCH(bool, taken);
    QFETCH(int, asked);
    QFETCH(bool, refused);
    MessageBox::setRecording(true);
    Shell shell;
    int terminations = 0;
    int handOvers = 0;
    bool reminderRan = false;
    shell.setInstanceCheck([] { return false; });
    shell.setProgressAtStart(progress);
    shell.setProgressHandOver([&] {
        ++handOvers;
        return taken;
    });
    shell.setUpdateReminder([&] { reminderRan = true; });
    shell.setTerminator([&](int code) {
        QCOMPARE(code, 0);
        ++terminations;
    });
    shell.startApplication();
    QCOMPARE(handOvers, asked);
    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(shown.at(0).text, QStringLiteral("Application is already running"));
        QCOMPARE(shown.at(0).icon, QMessageBox::Information);
    }
    QCOMPARE(terminations, 1);
    QVERIFY(shell.hasEnded());
    QVERIFY(!reminderRan);
    QVERIFY(shell.loadOrder().isEmpty());
    MessageBox::setRecording(false);
}

void TestTransitions::exitScreenLoadStepRunsOncePerLoad()
{
    RunningProgram p;
    // Hiding a window that is not loaded loads it, hidden.
    p.shell->hideForm(FormId::ExitScreen);
    QPointer<QWidget> exitScreen = p.form(FormId::ExitScreen);
    QVERIFY(exitScreen && !exitScreen->isVisible());
    p.shell->showForm(FormId::ExitScreen);
    p.shell->hideForm(FormId::ExitScreen);
    QCOMPARE(p.form(FormId::ExitScreen), exitScreen.data());
    QCOMPARE(p.shell->loadOrder(), (QList<FormId> {FormId::Main, FormId::ExitScreen}));
}

void TestTransitions::enterPressesTheFocusedButton()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    auto* cmdNext = p.child<QPushButton>(FormId::Main, "cmdNext");
    cmdNext->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cmdNext, Qt::Key_Return);
    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Your Name"));

    fillAndCalculate(p, Inputs {"john", "Male", "30", "5", "10", "180", "10", "30", 2});
    auto* cmdBack = p.child<QPushButton>(FormId::Display, "cmdBack");
    QVERIFY(RunningProgram::activate(p.form(FormId::Display)));
    cmdBack->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cmdBack, Qt::Key_Enter);
    RunningProgram::settle();
    QVERIFY(p.form(FormId::Main)->isVisible());
    QVERIFY(!p.shell->isLoaded(FormId::Display));

    p.child<QPushButton>(FormId::Main, "cmdExit")->click();
    QVERIFY(RunningProgram::activate(p.form(FormId::ExitScreen)));
    auto* cmdSubmit = p.child<QPushButton>(FormId::ExitScreen, "cmdSubmit");
    cmdSubmit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cmdSubmit, Qt::Key_Return);
    QCOMPARE(MessageBox::takeShown().size(), 1); // the form's first check
    auto* cmdClose = p.child<QPushButton>(FormId::ExitScreen, "cmdClose");
    QVERIFY(RunningProgram::activate(p.form(FormId::ExitScreen)));
    cmdClose->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cmdClose, Qt::Key_Return);
    QCOMPARE(p.terminations, 1);
}

QTEST_MAIN(TestTransitions)
#include "tst_transitions.moc"
