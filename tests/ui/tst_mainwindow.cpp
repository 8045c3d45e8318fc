#include "fixture.h"
#include "platform/settingsstore.h"
#include "tabletranslator.h"
#include "ui/mainwindow.h"
#include "ui/screenfit.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Look::applyApplicationLook();
        // The height's unit is kept in the settings: a test's own, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(SettingsStore::fileName().contains(QStringLiteral(".qttest")));
    }
    void init() { SettingsStore::setValue(QStringLiteral("Settings"), QStringLiteral("HeightUnit"), QString()); }
    void listsAndDefaultsAtStart();
    void layoutCaptionsAndAccessibleNames();
    void tabOrderVisitsTheHiddenExitButton();
    void placedWithItsTitleBarOnScreen_data();
    void placedWithItsTitleBarOnScreen();
    void nameBoxTakesLettersInCapitals();
    void weightBoxesTakeDigitsOnly();
    void keysThatTypeNothingPassUntouched();
    void modifiedKeysMeetTheFilters_data();
    void modifiedKeysMeetTheFilters();
    void everyCtrlLetterButBackspaceAndReturnIsRefused();
    void leavingABoxConvertsIntoItsPartner();
    void unchangedBoxesDoNotDrift();
    void menusAndMessageBoxesAreNoFocusLoss();
    void validationStopsAtTheFirstMissingBox();
    void menuCalculateDoesNotMoveTheFocus();
    void heightSwitchCarriesTheHeight_data();
    void heightSwitchCarriesTheHeight();
    void heightInCentimetresIsCheckedCalculatedAndKept();
    void translatedWindowHandsOnTheEnglishGender_data();
    void translatedWindowHandsOnTheEnglishGender();
};

namespace {

QLineEdit* edit(RunningProgram& p, const char* name)
{
    return p.child<QLineEdit>(FormId::Main, name);
}

QComboBox* combo(RunningProgram& p, const char* name)
{
    return p.child<QComboBox>(FormId::Main, name);
}

QAction* action(RunningProgram& p, FormId id, const char* name)
{
    return p.form(id)->findChild<QAction*>(QLatin1String(name));
}

} // namespace

void TestMainWindow::listsAndDefaultsAtStart()
{
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Veltro Weight Loss Calculator v1.0"));

    struct Expected
    {
        const char* name;
        int count;
        const char* first;
        const char* last;
    };
    for (const Expected& e :
        {Expected {"cboAge", 120, "6", "125"}, Expected {"cboFeet", 13, "0", "12"}, Expected {"cboInch", 12, "0", "11"},
            Expected {"cboDays", 1000, "1", "1000"}, Expected {"cboGender", 2, "Male", "Female"},
            Expected {"cboDailyActivity", 5, "Sedentary (Resting, sleeping, reclining)",
                "Extremely Active (Walking with load uphill, basketball, climbing, football, "
                "soccer)"}}) {
        QComboBox* c = combo(p, e.name);
        QVERIFY2(c, e.name);
        QCOMPARE(c->count(), e.count);
        QCOMPARE(c->itemText(0), QString::fromLatin1(e.first));
        QCOMPARE(c->itemText(c->count() - 1), QString::fromLatin1(e.last));
        QCOMPARE(c->currentIndex(), 0);
        QVERIFY2(!c->isEditable(), e.name);
    }
    // The numeric entries are plain digits in ascending order.
    QComboBox* days = combo(p, "cboDays");
    for (int i = 0; i < days->count(); ++i)
        QCOMPARE(days->itemText(i), QString::number(i + 1));

    for (const char* name : {"txtFirstName", "txtPound", "txtKg", "txtLossPound", "txtLossKg"})
        QVERIFY(edit(p, name)->text().isEmpty());
    QVERIFY(RunningProgram::activate(main));
    QCOMPARE(QApplication::focusWidget(), edit(p, "txtFirstName"));

    // Typing into a list only moves its selection among its entries.
    QTest::keyClicks(combo(p, "cboAge"), "3");
    QCOMPARE(combo(p, "cboAge")->currentText(), QStringLiteral("30"));
    QCOMPARE(combo(p, "cboAge")->count(), 120);
}

void TestMainWindow::layoutCaptionsAndAccessibleNames()
{
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QWidget* client = main->findChild<QWidget*>(QStringLiteral("clientArea"));
    QCOMPARE(client->size(), QSize(568, 497));
    QCOMPARE(edit(p, "txtFirstName")->geometry(), QRect(8, 16, 343, 23));
    QCOMPARE(combo(p, "cboDailyActivity")->geometry(), QRect(8, 24, 521, 21));
    QCOMPARE(p.child<QPushButton>(FormId::Main, "cmdNext")->geometry(), QRect(0, 400, 569, 37));

    // The Exit button lies below the client area: never seen, still enabled.
    auto* cmdExit = p.child<QPushButton>(FormId::Main, "cmdExit");
    QVERIFY(cmdExit->isEnabled());
    QVERIFY(cmdExit->y() >= client->height());
    QCOMPARE(cmdExit->text(), QStringLiteral("E&xit"));

    const QList<std::pair<const char*, const char*>> names {{"txtFirstName", "Name"}, {"cboAge", "Age"},
        {"cboGender", "Gender"}, {"cboFeet", "Height in feet"}, {"cboInch", "Height in inches"},
        {"txtPound", "Weight in pounds"}, {"txtKg", "Weight in kilograms"},
        {"txtLossPound", "Weight to lose in pounds"}, {"txtLossKg", "Weight to lose in kilograms"},
        {"cboDays", "Time frame in days"}, {"cboDailyActivity", "Level of daily activity"}};
    for (const auto& [object, name] : names)
        QCOMPARE(main->findChild<QWidget*>(QLatin1String(object))->accessibleName(), QString::fromLatin1(name));

    const auto* cobrand = p.child<QLabel>(FormId::Main, "lblCobrand");
    QCOMPARE(cobrand->text(),
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &  link here. See \"Help\" for details. "
                       "   Click Here for more info on co-branding."));

    // Menu bar: captions with their access keys; Make Money Online switched off.
    QMenuBar* bar = main->findChild<QMenuBar*>();
    QStringList captions;
    for (QAction* a : bar->actions())
        captions << a->text();
    QCOMPARE(captions, (QStringList {"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!action(p, FormId::Main, "mnumakemoney")->isEnabled());
    QStringList help;
    for (QAction* a : main->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(help,
        (QStringList {"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-", "&About Software"}));
    // The progress window between Calculate and Exit, which keep their order.
    QStringList file;
    for (QAction* a : main->findChild<QMenu*>(QStringLiteral("nuFile"))->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(file, (QStringList {"Calculate", "-", "Your P&rogress...", "Height in &Centimetres", "-", "E&xit"}));
    // Feet and inches, as in the C locale of the tests, until the person chooses.
    QVERIFY(!action(p, FormId::Main, "mnuCentimetres")->isChecked());
    QVERIFY(edit(p, "txtCm")->isHidden() && p.child<QLabel>(FormId::Main, "lblCm")->isHidden());
}

void TestMainWindow::tabOrderVisitsTheHiddenExitButton()
{
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    const QStringList expected {"cboAge", "cmdExit", "cboGender", "cboFeet", "cboInch", "cmdNext", "cboDailyActivity",
        "cboDays", "txtPound", "txtKg", "txtLossPound", "txtLossKg", "txtFirstName"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // Tab from the Age list reaches the invisible Exit button; Space presses it.
    combo(p, "cboAge")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo(p, "cboAge"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!p.shell->isLoaded(FormId::Main));
    QVERIFY(p.shell->isLoaded(FormId::ExitScreen));
}

void TestMainWindow::placedWithItsTitleBarOnScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("fitted"); // scroll bars 16 wide
    QTest::addColumn<QPoint>("position");
    // Screens in logical pixels, as the toolkit gives them at a scale factor.
    QTest::newRow("large screen: as it is, centred")
        << QRect(0, 0, 1280, 1024) << QSize(568, 540) << QSize(568, 540) << QPoint(355, 241);
    QTest::newRow("800x600 at 1.5: scrolls both ways")
        << QRect(0, 0, 533, 400) << QSize(568, 540) << QSize(533, 400) << QPoint(0, 0);
    QTest::newRow("1366x768 at 1.5 under a panel: scrolls down")
        << QRect(0, 27, 911, 485) << QSize(568, 540) << QSize(584, 485) << QPoint(163, 27);
    QTest::newRow("1280x720 at 1.5: scrolls down")
        << QRect(0, 0, 853, 480) << QSize(705, 546) << QSize(721, 480) << QPoint(66, 0);
    QTest::newRow("1024x768 at 2: scrolls both ways")
        << QRect(0, 0, 512, 384) << QSize(568, 540) << QSize(512, 384) << QPoint(0, 0);
    QTest::newRow("exit screen on a narrow second screen: scrolls across")
        << QRect(1280, 0, 700, 400) << QSize(741, 315) << QSize(700, 331) << QPoint(1280, 34);
}

void TestMainWindow::placedWithItsTitleBarOnScreen()
{
    QFETCH(QRect, available);
    QFETCH(QSize, window);
    QFETCH(QSize, fitted);
    QFETCH(QPoint, position);
    QCOMPARE(fittedWindowSize(window, available.size(), 16), fitted);
    QCOMPARE(Look::centredPosition(available, fitted), position);
}

void TestMainWindow::nameBoxTakesLettersInCapitals()
{
    RunningProgram p;
    QLineEdit* name = edit(p, "txtFirstName");
    QTest::keyClicks(name, "anna");
    QCOMPARE(name->text(), QStringLiteral("ANNA"));
    QVERIFY(MessageBox::takeShown().isEmpty());

    QTest::keyClicks(name, " b");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(name->text(), QStringLiteral("ANNA B"));

    for (const char* refused : {"1", "'", "-", "."}) {
        QTest::keyClicks(name, refused);
        QCOMPARE(name->text(), QStringLiteral("ANNA B"));
        const auto shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Only Alphabet"));
        QCOMPARE(shown.at(0).title, QStringLiteral("Veltro Weight Loss Calculator"));
        QCOMPARE(shown.at(0).icon, QMessageBox::Information);
        QCOMPARE(shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    // Letters outside A to Z are refused too, and so is an input method's text that
    // holds a character beyond the basic plane: all of it.
    QTest::keyClick(name, Qt::Key_Eacute, Qt::NoModifier);
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("b\U0001D41B"));
    QApplication::sendEvent(name, &composed);
    QCOMPARE(name->text(), QStringLiteral("ANNA B"));
    QCOMPARE(MessageBox::takeShown().size(), 1);

    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QStringLiteral("ANNA "));
    QVERIFY(MessageBox::takeShown().isEmpty());

    // Ctrl+letter types a control code, which is refused; text pasted otherwise is not filtered.
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(MessageBox::takeShown().size(), 1);
    name->insert(QStringLiteral("x-1"));
    QCOMPARE(name->text(), QStringLiteral("ANNA x-1"));
}

void TestMainWindow::weightBoxesTakeDigitsOnly()
{
    RunningProgram p;
    for (const char* box : {"txtPound", "txtKg", "txtLossPound", "txtLossKg"}) {
        QLineEdit* e = edit(p, box);
        QTest::keyClicks(e, "1 2");
        QCOMPARE(e->text(), QStringLiteral("1 2"));
        for (const char* refused : {".", ",", "-", "a"}) {
            QTest::keyClicks(e, refused);
            const auto shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Only Number !"));
            QCOMPARE(shown.at(0).icon, QMessageBox::Information);
        }
        QTest::keyClick(e, Qt::Key_Escape);
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(e->text(), QStringLiteral("1 2"));
    }
}

void TestMainWindow::keysThatTypeNothingPassUntouched()
{
    RunningProgram p;
    QLineEdit* pound = edit(p, "txtPound");
    QTest::keyClicks(pound, "180");
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Right, Qt::Key_F5})
        QTest::keyClick(pound, key);
    QTest::keyClick(pound, Qt::Key_Home);
    QTest::keyClick(pound, Qt::Key_Delete);
    QCOMPARE(pound->text(), QStringLiteral("80"));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestMainWindow::modifiedKeysMeetTheFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text"); // typed as one key press each character; empty: the key alone
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("refusals"); // each with the box's message

    const int alt = Qt::AltModifier;
    const int super = Qt::MetaModifier;
    const int key = 0;
    QTest::newRow("name Alt+1") << "txtFirstName" << int(Qt::Key_1) << alt << ""
                                << "" << 1;
    QTest::newRow("name Alt+.") << "txtFirstName" << int(Qt::Key_Period) << alt << ""
                                << "" << 1;
    QTest::newRow("name Alt+-") << "txtFirstName" << int(Qt::Key_Minus) << alt << ""
                                << "" << 1;
    QTest::newRow("name Alt+B in capitals") << "txtFirstName" << int(Qt::Key_B) << alt << ""
                                            << "B" << 0;
    QTest::newRow("name Super+2") << "txtFirstName" << int(Qt::Key_2) << super << ""
                                  << "" << 1;
    QTest::newRow("pounds Alt+A") << "txtPound" << int(Qt::Key_A) << alt << ""
                                  << "" << 1;
    QTest::newRow("pounds Alt+.") << "txtPound" << int(Qt::Key_Period) << alt << ""
                                  << "" << 1;
    QTest::newRow("pounds Alt+E") << "txtPound" << int(Qt::Key_E) << alt << ""
                                  << "" << 1;
    QTest::newRow("pounds Alt+5") << "txtPound" << int(Qt::Key_5) << alt << ""
                                  << "5" << 0;
    QTest::newRow("pounds Super+E") << "txtPound" << int(Qt::Key_E) << super << ""
                                    << "" << 1;
    // Characters beyond the basic plane, and format and private-use characters.
    QTest::newRow("name a, emoji, b") << "txtFirstName" << key << 0 << "a\U0001F600b"
                                      << "AB" << 1;
    QTest::newRow("name mathematical A") << "txtFirstName" << key << 0 << "\U0001D400"
                                         << "" << 1;
    QTest::newRow("name zero-width joiner") << "txtFirstName" << key << 0 << "\u200D"
                                            << "" << 1;
    QTest::newRow("pounds 1, emoji, 2") << "txtPound" << key << 0 << "1\U0001F600 2"
                                        << "1 2" << 1;
    QTest::newRow("kilograms CJK extension B") << "txtKg" << key << 0 << "\U00020000"
                                               << "" << 1;
    QTest::newRow("pounds to lose private use") << "txtLossPound" << key << 0 << "\uE000"
                                                << "" << 1;
    QTest::newRow("kilograms to lose digit 9 of mathematics") << "txtLossKg" << key << 0 << "\U0001D7D7"
                                                              << "" << 1;
}

void TestMainWindow::modifiedKeysMeetTheFilters()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(int, refusals);
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    auto* e = p.form(FormId::Main)->findChild<QLineEdit*>(box);
    e->setFocus(Qt::TabFocusReason);
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        typeText(e, text);
    QCOMPARE(e->text(), typed);
    QCOMPARE(MessageBox::takeShown().size(), refusals);
    // An access key of the window still works from the box.
    QTest::keyClick(e, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(!p.shell->isLoaded(FormId::Main));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestMainWindow::everyCtrlLetterButBackspaceAndReturnIsRefused()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    for (const char* box : {"txtFirstName", "txtLossKg"}) {
        QLineEdit* e = edit(p, box);
        e->setFocus(Qt::TabFocusReason);
        QString passed;
        for (int code = 1; code <= 26; ++code) {
            QTest::keyClick(e, Qt::Key(Qt::Key_A + code - 1), Qt::ControlModifier);
            const auto shown = MessageBox::takeShown();
            if (shown.isEmpty())
                passed += QString::number(code) + QLatin1Char(' ');
            else
                QCOMPARE(shown.at(0).text,
                    QString::fromLatin1(qstrcmp(box, "txtFirstName") == 0 ? "Please Enter Only Alphabet"
                                                                          : "Please Enter Only Number !"));
        }
        QCOMPARE(passed, QStringLiteral("8 13 "));
    }
}

void TestMainWindow::leavingABoxConvertsIntoItsPartner()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    QLineEdit* kg = edit(p, "txtKg");
    QLineEdit* pound = edit(p, "txtPound");

    kg->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(kg, "70");
    QTest::keyClick(kg, Qt::Key_Tab); // on to txtLossPound
    QCOMPARE(pound->text(), QStringLiteral("154"));

    pound->setFocus(Qt::MouseFocusReason);
    pound->selectAll();
    QTest::keyClicks(pound, "250");
    QTest::keyClick(pound, Qt::Key_Backtab);
    QCOMPARE(kg->text(), QStringLiteral("113.2"));

    // Deleting one box empties its partner.
    QLineEdit* lossPound = edit(p, "txtLossPound");
    QLineEdit* lossKg = edit(p, "txtLossKg");
    lossPound->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(lossPound, "10");
    lossKg->setFocus(Qt::TabFocusReason);
    QCOMPARE(lossKg->text(), QStringLiteral("4.5"));
    lossPound->setFocus(Qt::TabFocusReason);
    lossPound->selectAll();
    QTest::keyClick(lossPound, Qt::Key_Backspace);
    lossKg->setFocus(Qt::TabFocusReason);
    QCOMPARE(lossKg->text(), QString());

    // Only blanks: the partner keeps its text.
    lossKg->setText(QStringLiteral("4.5"));
    lossPound->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(lossPound, "  ");
    edit(p, "txtFirstName")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(lossKg->text(), QStringLiteral("4.5"));
}

void TestMainWindow::unchangedBoxesDoNotDrift()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    QLineEdit* kg = edit(p, "txtKg");
    QLineEdit* pound = edit(p, "txtPound");
    kg->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(kg, "100");
    pound->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(pound->text(), QStringLiteral("220"));
    // Back and forth without a change: 100 kg stays 100 kg, 220 lb stays 220 lb.
    for (int i = 0; i < 3; ++i) {
        kg->setFocus(Qt::TabFocusReason);
        pound->setFocus(Qt::BacktabFocusReason);
    }
    edit(p, "txtFirstName")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(kg->text(), QStringLiteral("100"));
    QCOMPARE(pound->text(), QStringLiteral("220"));

    // A change that ends where it began is no change either.
    pound->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pound, Qt::Key_End);
    QTest::keyClick(pound, Qt::Key_Backspace);
    QTest::keyClicks(pound, "0");
    kg->setFocus(Qt::TabFocusReason);
    QCOMPARE(kg->text(), QStringLiteral("100"));
}

void TestMainWindow::menusAndMessageBoxesAreNoFocusLoss()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    QLineEdit* pound = edit(p, "txtPound");
    QLineEdit* kg = edit(p, "txtKg");
    pound->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(pound, "154");
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(pound, &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(pound, &in);
    }
    QCOMPARE(kg->text(), QString());
    // The next real move still sees the typed change.
    kg->setFocus(Qt::TabFocusReason);
    QCOMPARE(kg->text(), QStringLiteral("69.8"));
}

void TestMainWindow::validationStopsAtTheFirstMissingBox()
{
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QVERIFY(RunningProgram::activate(main));
    auto* cmdNext = p.child<QPushButton>(FormId::Main, "cmdNext");

    auto pressCalculate = [&] {
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        return MessageBox::takeShown();
    };

    auto shown = pressCalculate();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(shown.at(0).icon, QMessageBox::Information);
    QCOMPARE(QApplication::focusWidget(), edit(p, "txtFirstName"));
    QVERIFY(!p.shell->isLoaded(FormId::Display));

    // A pound figure typed just before the click is converted by the click's focus move.
    QTest::keyClicks(edit(p, "txtFirstName"), "a");
    edit(p, "txtPound")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(edit(p, "txtPound"), "180");
    shown = pressCalculate();
    QCOMPARE(edit(p, "txtKg")->text(), QStringLiteral("81.5"));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Weight Do You Wish To Lose"));
    QCOMPARE(QApplication::focusWidget(), edit(p, "txtLossPound"));

    // A pound box of blanks fails like an empty one, and nothing is computed; its text
    // is selected, to be typed over.
    edit(p, "txtLossPound")->setText(QStringLiteral("10"));
    edit(p, "txtLossKg")->setText(QStringLiteral("4.5"));
    edit(p, "txtPound")->setText(QStringLiteral("1 80"));
    QSignalSpy calculations(qobject_cast<MainWindow*>(main), &MainWindow::calculateRequested);
    shown = pressCalculate();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Your Weight"));
    QCOMPARE(QApplication::focusWidget(), edit(p, "txtPound"));
    QCOMPARE(edit(p, "txtPound")->selectedText(), QStringLiteral("1 80"));
    QCOMPARE(calculations.count(), 0);
    QVERIFY(main->isVisible());
    QVERIFY(!p.shell->isLoaded(FormId::Display));
}

void TestMainWindow::menuCalculateDoesNotMoveTheFocus()
{
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    QTest::keyClicks(edit(p, "txtFirstName"), "bob");
    edit(p, "txtLossPound")->setText(QStringLiteral("10"));
    edit(p, "txtLossKg")->setText(QStringLiteral("4.5"));
    QLineEdit* pound = edit(p, "txtPound");
    pound->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(pound, "180");

    // File > Calculate: the kilogram box is still empty, so the pair's message comes
    // and the focus moves there, which converts the figure just typed.
    action(p, FormId::Main, "mnuNext")->trigger();
    auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Your Weight"));
    QCOMPARE(QApplication::focusWidget(), edit(p, "txtKg"));
    QCOMPARE(edit(p, "txtKg")->text(), QStringLiteral("81.5"));

    // The second Calculate passes and shows the results.
    action(p, FormId::Main, "mnuNext")->trigger();
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(p.shell->isLoaded(FormId::Display));
}

void TestMainWindow::heightSwitchCarriesTheHeight_data()
{
    QTest::addColumn<int>("feet");
    QTest::addColumn<int>("inches");
    QTest::addColumn<QString>("carried"); // into the centimetres box
    QTest::addColumn<QString>("typed"); // then typed there, over it
    QTest::addColumn<int>("backFeet");
    QTest::addColumn<int>("backInches");
    QTest::newRow("5 ft 10 in is 178 cm, and back") << 5 << 10 << "178"
                                                    << "" << 5 << 10;
    QTest::newRow("the lists at start carry nothing") << 0 << 0 << ""
                                                      << "" << 0 << 0;
    QTest::newRow("180 cm typed is 5 ft 11 in") << 0 << 0 << ""
                                                << "180" << 5 << 11;
    QTest::newRow("a figure out of range leaves the lists") << 5 << 10 << "178"
                                                            << "99" << 5 << 10;
}

void TestMainWindow::heightSwitchCarriesTheHeight()
{
    QFETCH(int, feet);
    QFETCH(int, inches);
    QFETCH(QString, carried);
    QFETCH(QString, typed);
    QFETCH(int, backFeet);
    QFETCH(int, backInches);
    RunningProgram p;
    QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
    QLineEdit* cm = edit(p, "txtCm");
    QAction* menu = action(p, FormId::Main, "mnuCentimetres");
    combo(p, "cboFeet")->setCurrentIndex(feet);
    combo(p, "cboInch")->setCurrentIndex(inches);
    combo(p, "cboFeet")->setFocus(Qt::OtherFocusReason);

    menu->trigger();
    QVERIFY(menu->isChecked());
    for (const char* name : {"cboFeet", "cboInch", "Label1", "Label3"})
        QVERIFY2(p.child<QWidget>(FormId::Main, name)->isHidden(), name);
    QVERIFY(!cm->isHidden() && !p.child<QLabel>(FormId::Main, "lblCm")->isHidden());
    QCOMPARE(cm->text(), carried);
    QCOMPARE(QApplication::focusWidget(), cm); // the focus stays with the height
    QCOMPARE(SettingsStore::value(QStringLiteral("Settings"), QStringLiteral("HeightUnit")), QStringLiteral("cm"));
    if (!typed.isEmpty()) {
        cm->selectAll();
        QTest::keyClicks(cm, typed);
    }

    menu->trigger();
    QVERIFY(!menu->isChecked() && cm->isHidden() && !combo(p, "cboFeet")->isHidden());
    QCOMPARE(combo(p, "cboFeet")->currentText(), QString::number(backFeet));
    QCOMPARE(combo(p, "cboInch")->currentText(), QString::number(backInches));
    QCOMPARE(QApplication::focusWidget(), combo(p, "cboFeet"));
    QCOMPARE(SettingsStore::value(QStringLiteral("Settings"), QStringLiteral("HeightUnit")), QStringLiteral("ft"));
}

// A man of 30, 178 cm, 80 kg, moderately active: the calculation takes 70.08 in, and
// the next start comes up in centimetres.
void TestMainWindow::heightInCentimetresIsCheckedCalculatedAndKept()
{
    {
        RunningProgram p;
        QVERIFY(RunningProgram::activate(p.form(FormId::Main)));
        action(p, FormId::Main, "mnuCentimetres")->trigger();
        QTest::keyClicks(edit(p, "txtFirstName"), "john");
        combo(p, "cboAge")->setCurrentText(QStringLiteral("30"));
        combo(p, "cboDailyActivity")->setCurrentIndex(2);
        combo(p, "cboDays")->setCurrentText(QStringLiteral("30"));
        edit(p, "txtKg")->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(edit(p, "txtKg"), "80");
        edit(p, "txtLossPound")->setFocus(Qt::OtherFocusReason); // leaving converts 80 kg to 176 lb
        QTest::keyClicks(edit(p, "txtLossPound"), "10");
        edit(p, "txtLossKg")->setFocus(Qt::OtherFocusReason);
        QCOMPARE(edit(p, "txtPound")->text(), QStringLiteral("176"));

        auto* cmdNext = p.child<QPushButton>(FormId::Main, "cmdNext");
        for (const char* figure : {"", "99", "251"}) {
            edit(p, "txtCm")->setText(QString::fromLatin1(figure));
            QTest::mouseClick(cmdNext, Qt::LeftButton);
            const auto shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).text,
                *figure ? QStringLiteral("Please Enter Your Height From 100 To 250 Centimetres")
                        : QStringLiteral("Please Enter Your Height"));
            QCOMPARE(QApplication::focusWidget(), edit(p, "txtCm"));
            QVERIFY(!p.shell->isLoaded(FormId::Display));
        }
        edit(p, "txtCm")->setText(QStringLiteral("178"));
        QTest::mouseClick(cmdNext, Qt::LeftButton);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QVERIFY(p.shell->isLoaded(FormId::Display));
        const auto* result = p.child<QLabel>(FormId::Display, "lblResult1");
        QVERIFY2(result->text().endsWith(QStringLiteral(" 2906 calories")), qPrintable(result->text()));
        bool heightShown = false;
        for (const QLabel* label : p.form(FormId::Display)->findChildren<QLabel*>())
            heightShown = heightShown || label->text() == QStringLiteral("178 Centimetres");
        QVERIFY(heightShown);
    }
    RunningProgram again;
    QVERIFY(action(again, FormId::Main, "mnuCentimetres")->isChecked());
    QVERIFY(!edit(again, "txtCm")->isHidden() && combo(again, "cboFeet")->isHidden());
    QVERIFY(edit(again, "txtCm")->text().isEmpty());
}

void TestMainWindow::translatedWindowHandsOnTheEnglishGender_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("english");
    QTest::newRow("men's equation") << QStringLiteral("M\u00e4nnlich") << QStringLiteral("Male");
    QTest::newRow("women's equation") << QStringLiteral("Weiblich") << QStringLiteral("Female");
}

// The window speaks the translation in its caption, menus and controls, while the
// details it hands on carry the English gender that picks the equation: the results
// are those of the same details entered in English.
void TestMainWindow::translatedWindowHandsOnTheEnglishGender()
{
    QFETCH(QString, shown);
    QFETCH(QString, english);
    Inputs in = kTypicalRun;
    in.gender = english;
    QString expected;
    {
        RunningProgram p;
        fillAndCalculate(p, in);
        QVERIFY(p.shell->isLoaded(FormId::Display));
        expected = p.child<QLabel>(FormId::Display, "lblResult1")->text();
    }

    TableTranslator german {
        {"WindowCaption", "Veltro Weight Loss Calculator v1.0", QStringLiteral("Veltro Abnehmrechner v1.0")},
        {"Menu", "&File", QStringLiteral("&Datei")},
        {"Menu", "Calculate", QStringLiteral("Berechnen")},
        {"MainWindow", "Calculate", QStringLiteral("Jetzt berechnen")},
        {"PersonalDetails", "Male", QStringLiteral("M\u00e4nnlich")},
        {"PersonalDetails", "Female", QStringLiteral("Weiblich")},
    };
    QVERIFY(QCoreApplication::installTranslator(&german));
    const auto removal = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
    RunningProgram p;
    QWidget* main = p.form(FormId::Main);
    QCOMPARE(main->windowTitle(), QStringLiteral("Veltro Abnehmrechner v1.0"));
    QCOMPARE(main->findChild<QMenu*>(QStringLiteral("nuFile"))->title(), QStringLiteral("&Datei"));
    QCOMPARE(action(p, FormId::Main, "mnuNext")->text(), QStringLiteral("Berechnen"));
    QCOMPARE(p.child<QPushButton>(FormId::Main, "cmdNext")->text(), QStringLiteral("Jetzt berechnen"));
    QCOMPARE(combo(p, "cboGender")->itemText(0), QStringLiteral("M\u00e4nnlich"));
    QCOMPARE(combo(p, "cboGender")->itemText(1), QStringLiteral("Weiblich"));

    in.gender = shown;
    fillAndCalculate(p, in);
    QVERIFY(p.shell->isLoaded(FormId::Display));
    QCOMPARE(p.child<QLabel>(FormId::Display, "lblResult1")->text(), expected);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
