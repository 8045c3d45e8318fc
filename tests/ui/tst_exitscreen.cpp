#include "fixture.h"
#include "links/siteconfig.h"
#include "links/weblink.h"
#include "platform/randomsource.h"
#include "tabletranslator.h"
#include "ui/exitscreen.h"
#include "ui/supportmessages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QUrlQuery>
#include <cmath>

class TestExitScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void init();
    void controlsAsLaidOut_data();
    void controlsAsLaidOut();
    void windowAndNames();
    void loadStepDrawsTheMessageOnce();
    void focusAndTabOrder();
    void placeholdersClearAndReturn();
    void spaceFilter_data();
    void spaceFilter();
    void forumCheckBoxOpensTheForumEachClick();
    void catalogueLabelOpensTheCatalogue();
    void accessKeys();
    void submissionMessages_data();
    void submissionMessages();
    void submissionStoresTextsAndLeavesTheForm();
    void fullCloseSequence_data();
    void fullCloseSequence();
    void supportMessageDraw();
    void supportMessagesEquallyLikely();
    void supportMessagesNameTheForum();
    void translatedTexts_data();
    void translatedTexts();
};

namespace {

// The program started and its exit screen on view and active, as after closing
// the main window.
struct ExitScreenOnView : RunningProgram
{
    ExitScreen* screen = nullptr;

    explicit ExitScreenOnView(std::deque<float> draws = {})
    {
        // Start-up drew its offer already; these are the exit screen's.
        shell->random().setSequence(std::move(draws));
        shell->showForm(FormId::ExitScreen);
        screen = static_cast<ExitScreen*>(form(FormId::ExitScreen));
        if (screen)
            activate(screen);
    }

    template <typename T = QWidget> T* get(const char* name) const
    {
        return screen->findChild<T*>(QLatin1String(name));
    }
    QString text(const char* name) const { return ExitScreen::boxText(get(name)); }

    // Tab from wherever the focus is.
    static void tab(Qt::Key key = Qt::Key_Tab) { QTest::keyClick(QApplication::focusWidget(), key); }
};

QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

} // namespace

void TestExitScreen::init()
{
    MessageBox::setRecording(true);
}

void TestExitScreen::controlsAsLaidOut_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // in twips; an empty size: sized to its text
    QTest::addColumn<QString>("text");

    const QString catalogue = QStringLiteral(
        "If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a "
        "single software, we have now grown to become the world\u2019s largest resource of quillory softwares. Be it "
        "astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide "
        "choice depending on their interests.");
    const QString suite = QStringLiteral(
        "All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use "
        "but also very informative. Try them out today and share your experience with your friends and family. ");

    auto row = [](const char* name, const char* parent, QRect r, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << r << text;
    };
    row("Frame6", "clientArea", {7320, 120, 3735, 4575}, "Download Quillory Softwares");
    row("lblGoToHome", "Frame6", {75, 4250, 0, 0}, "Click Here To Visit Quillory Softwares");
    row("Label3", "Frame6", {120, 360, 3495, 3855}, catalogue + QString(61, QLatin1Char(' ')) + suite);
    row("Frame2", "clientArea", {120, 3240, 7065, 1455}, "Refer A Friend");
    row("txtMessage", "Frame2", {4800, 3600, 1815, 495}, "Your Message\r\n");
    row("txtFriendName", "Frame2", {85, 720, 3375, 285}, "Friend's Name");
    row("txtFriendEmail", "Frame2", {3600, 720, 3375, 285}, "Friend's Email Address");
    row("txtEmail", "Frame2", {3600, 360, 3375, 285}, "Your Email Address");
    row("cmdSubmit", "Frame2", {1920, 1080, 3375, 285}, "Refer A Friend &Now");
    row("txtName", "Frame2", {85, 360, 3375, 285}, "Your Name");
    row("cmdClose", "clientArea", {6000, 2760, 1245, 375}, "E&xit");
    row("Check1", "clientArea", {30, 2040, 7185, 555}, "Click Here To Visit " + SiteConfig::forumAddress() + " Now");
    row("Picture1", "clientArea", {360, 120, 540, 540}, QString());
    row("Label2", "clientArea", {120, 840, 6975, 1095}, QString());
    row("Label1", "clientArea", {1080, 240, 0, 0}, "Veltro Weight Loss Calculator v1.0");
}

void TestExitScreen::controlsAsLaidOut()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    ExitScreenOnView p;
    QWidget* w = p.screen->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    // The client area holding the controls covers the window from its corner.
    QCOMPARE(p.screen->findChild<QWidget*>(QStringLiteral("clientArea"))->geometry(), p.screen->rect());
    const QRect expected = Look::twips(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    if (geometry.width() == 0)
        QCOMPARE(w->pos(), expected.topLeft());
    else
        QCOMPARE(w->geometry(), expected);

    if (text.isEmpty())
        return;
    if (auto* box = qobject_cast<QGroupBox*>(w))
        QCOMPARE(box->title(), text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(ExitScreen::boxText(w), text);
}

void TestExitScreen::windowAndNames()
{
    ExitScreenOnView p;
    QCOMPARE(p.screen->windowTitle(), QStringLiteral("Veltro Weight Loss Calculator v1.0"));
    QCOMPARE(p.screen->size(), QSize(741, 315));
    QCOMPARE(p.screen->minimumSize(), p.screen->maximumSize());
    QVERIFY(!p.screen->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!p.screen->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!p.screen->windowIcon().isNull());
    QVERIFY(!p.get<QLabel>("Picture1")->pixmap().isNull());
    QVERIFY(!p.get<QCheckBox>("Check1")->isChecked());

    const QList<std::pair<const char*, const char*>> names {{"txtName", "Your name"},
        {"txtEmail", "Your email address"}, {"txtFriendName", "Friend's name"},
        {"txtFriendEmail", "Friend's email address"}, {"txtMessage", "Your message"}};
    for (const auto& [box, accessible] : names)
        QCOMPARE(p.get(box)->accessibleName(), QString::fromLatin1(accessible));

    // The message box lies wholly below its frame's lower edge.
    QVERIFY(p.get("txtMessage")->y() >= p.get("Frame2")->height());
    QVERIFY(qobject_cast<QPlainTextEdit*>(p.get("txtMessage"))->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
}

void TestExitScreen::loadStepDrawsTheMessageOnce()
{
    {
        // Before the load step, the label holds message 1.
        ExitScreen unloaded;
        QCOMPARE(unloaded.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
            SupportMessages::text(1, SiteConfig::forumAddress()));
    }

    RunningProgram p;
    p.shell->random().setSequence({0.6f, 0.1f});
    // Calculate hides the exit screen, which loads it hidden; showing it later shows
    // the message drawn then.
    p.shell->hideForm(FormId::ExitScreen);
    QWidget* screen = p.form(FormId::ExitScreen);
    QVERIFY(!screen->isVisible());
    const QString drawn = SupportMessages::text(2, SiteConfig::forumAddress());
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("Label2"))->text(), drawn);
    p.shell->showForm(FormId::ExitScreen);
    p.shell->hideForm(FormId::ExitScreen);
    p.shell->showForm(FormId::ExitScreen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("Label2"))->text(), drawn);
    QCOMPARE(p.shell->random().next(), 0.1f); // one draw per load

    QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Shown, it takes the activation, so its access keys and Tab work at once.
    QTRY_COMPARE(QApplication::activeWindow(), screen);
}

void TestExitScreen::focusAndTabOrder()
{
    ExitScreenOnView p;
    QCOMPARE(focusName(), QStringLiteral("cmdClose"));
    const QStringList order {QStringLiteral("Check1"), QStringLiteral("txtName"), QStringLiteral("cmdSubmit"),
        QStringLiteral("txtEmail"), QStringLiteral("txtFriendEmail"), QStringLiteral("txtFriendName"),
        QStringLiteral("txtMessage"), QStringLiteral("cmdClose")};
    for (const QString& next : order) {
        p.tab();
        QCOMPARE(focusName(), next);
    }
    p.tab(Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("txtMessage"));
    // Tab leaves the message box instead of typing into it.
    QCOMPARE(p.text("txtMessage"), QStringLiteral("Your Message\r\n"));
}

void TestExitScreen::placeholdersClearAndReturn()
{
    ExitScreenOnView p;
    p.tab();
    p.tab();
    QCOMPARE(focusName(), QStringLiteral("txtName"));
    QCOMPARE(p.text("txtName"), QString());

    // Leaving it empty or with spaces only brings the placeholder back.
    p.tab();
    QCOMPARE(p.text("txtName"), QStringLiteral("Your Name"));
    p.tab(Qt::Key_Backtab);
    QTest::keyClicks(p.get("txtName"), QStringLiteral("   "));
    p.tab();
    QCOMPARE(p.text("txtName"), QStringLiteral("Your Name"));

    // Surrounding spaces still clear; other letter case does not.
    ExitScreen::setBoxText(p.get("txtName"), QStringLiteral("  Your Name "));
    p.tab(Qt::Key_Backtab);
    QCOMPARE(p.text("txtName"), QString());
    ExitScreen::setBoxText(p.get("txtName"), QStringLiteral("your name"));
    p.tab();
    p.tab(Qt::Key_Backtab);
    QCOMPARE(p.text("txtName"), QStringLiteral("your name"));

    // A tab is not trimmed: the box keeps it.
    ExitScreen::setBoxText(p.get("txtEmail"), QStringLiteral("\tYour Email Address"));
    p.get("txtEmail")->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.text("txtEmail"), QStringLiteral("\tYour Email Address"));
    ExitScreen::setBoxText(p.get("txtEmail"), QStringLiteral("\t"));
    p.tab();
    QCOMPARE(p.text("txtEmail"), QStringLiteral("\t"));

    // The message box's line break keeps its text on focus; emptied, it gets the
    // placeholder without the line break.
    p.get("txtMessage")->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.text("txtMessage"), QStringLiteral("Your Message\r\n"));
    QTest::keyClick(p.get("txtMessage"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(p.get("txtMessage"), Qt::Key_Delete);
    QCOMPARE(p.text("txtMessage"), QString());
    p.tab();
    QCOMPARE(p.text("txtMessage"), QStringLiteral("Your Message"));
    p.tab(Qt::Key_Backtab);
    QCOMPARE(p.text("txtMessage"), QString());

    // The friend's boxes behave alike.
    p.get("txtFriendName")->setFocus(Qt::TabFocusReason);
    p.get("txtFriendEmail")->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.text("txtFriendName"), QStringLiteral("Friend's Name"));
    QCOMPARE(p.text("txtFriendEmail"), QString());
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestExitScreen::spaceFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("refusals");
    QTest::newRow("txtEmail") << "txtEmail"
                              << "a b@c. d"
                              << "ab@c.d" << 2;
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << " x@y.z"
                                    << "x@y.z" << 1;
    QTest::newRow("txtName takes spaces") << "txtName"
                                          << "Ann Lee"
                                          << "Ann Lee" << 0;
    QTest::newRow("txtFriendName takes spaces") << "txtFriendName"
                                                << "Bob  Ray "
                                                << "Bob  Ray " << 0;
    // Characters beyond the basic plane are judged whole: kept, or refused as a space.
    QTest::newRow("txtEmail keeps an emoji") << "txtEmail"
                                             << "a\U0001F600@b.c"
                                             << "a\U0001F600@b.c" << 0;
    QTest::newRow("txtFriendEmail around a mathematical A") << "txtFriendEmail"
                                                            << " \U0001D400 @y.z"
                                                            << "\U0001D400@y.z" << 2;
    QTest::newRow("txtName keeps CJK extension B") << "txtName"
                                                   << "\U00020000 Li"
                                                   << "\U00020000 Li" << 0;
}

void TestExitScreen::spaceFilter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, refusals);

    ExitScreenOnView p;
    auto* edit = p.screen->findChild<QLineEdit*>(box);
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit->text(), QString());
    typeText(edit, typed);
    QCOMPARE(edit->text(), result);
    QCOMPARE(QApplication::focusWidget(), edit);

    const auto shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), refusals);
    for (const auto& s : shown) {
        QCOMPARE(s.text, QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(s.icon, QMessageBox::Critical);
        QCOMPARE(s.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(s.title, QStringLiteral("Veltro Weight Loss Calculator"));
    }

    // A space that arrives other than by typing is kept.
    edit->insert(QStringLiteral(" pasted"));
    QCOMPARE(edit->text(), result + QStringLiteral(" pasted"));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestExitScreen::forumCheckBoxOpensTheForumEachClick()
{
    PageCatcher pages;
    ExitScreenOnView p;
    auto* check1 = p.get<QCheckBox>("Check1");
    for (int click = 1; click <= 2; ++click) {
        QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(10, check1->height() / 2));
        QCOMPARE(pages.opened.size(), click);
        QCOMPARE(pages.opened.last(), webLinkAddress(WebLink::HomePage));
        QVERIFY(!check1->isChecked());
    }
    // The space bar on the focused box does the same.
    check1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check1, Qt::Key_Space);
    QCOMPARE(pages.opened.size(), 3);
    QVERIFY(!check1->isChecked());
}

void TestExitScreen::catalogueLabelOpensTheCatalogue()
{
    PageCatcher pages;
    ExitScreenOnView p;
    QTest::mouseClick(p.get("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(pages.opened, QList<QUrl> {webLinkAddress(WebLink::SoftwareCatalogue)});
}

void TestExitScreen::accessKeys()
{
    PageCatcher pages;
    ExitScreenOnView p;
    p.get("txtEmail")->setFocus(Qt::TabFocusReason);

    // Alt+N presses the submit button: the placeholders fail the address test.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QList<MessageBox::Shown> shown;
    QTRY_VERIFY((shown += MessageBox::takeShown(), !shown.isEmpty()));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Proper Email Address"));
    QVERIFY(p.terminations == 0);

    // Like a click, it takes the focus first: the emptied name box gets its
    // placeholder back before the checks run.
    ExitScreen::setBoxText(p.get("txtEmail"), QStringLiteral("a@b.c"));
    ExitScreen::setBoxText(p.get("txtFriendEmail"), QStringLiteral("d@e.f"));
    p.get("txtName")->setFocus(Qt::TabFocusReason);
    ExitScreen::setBoxText(p.get("txtName"), QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    shown.clear();
    QTRY_VERIFY((shown += MessageBox::takeShown(), !shown.isEmpty()));
    QCOMPARE(shown.at(0).text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(p.text("txtName"), QStringLiteral("Your Name"));

    // Alt+X presses Exit, which ends the program.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(p.terminations, 1);
    QCOMPARE(p.exitCode, 0);
    QVERIFY(p.shell->loadOrder().isEmpty());
    QVERIFY(pages.opened.isEmpty());
}

void TestExitScreen::submissionMessages_data()
{
    QTest::addColumn<QStringList>("texts"); // name, email, friend's name, friend's email, message (null: untouched)
    QTest::addColumn<QString>("message"); // empty: the address is opened

    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString message;
    QTest::newRow("all as they were") << QStringList {"Your Name", "Your Email Address", "Friend's Name",
        "Friend's Email Address", message}
                                      << proper;
    QTest::newRow("same addresses") << QStringList {"Ann", " a@b.c", "Bob", "a@b.c  ", message}
                                    << "Please Enter Distinct Email Addresses";
    QTest::newRow("case differs, name left")
        << QStringList {"Your Name", "A@b.c", "Bob", "a@b.c", message} << "Please Enter Your Name";
    QTest::newRow("mine without @") << QStringList {"Ann", "ab.c", "Bob", "d@e.f", message} << proper;
    QTest::newRow("friend's without dot") << QStringList {"Ann", "a@b.c", "Bob", "d@ef", message} << proper;
    QTest::newRow("name of spaces") << QStringList {"   ", "a@b.c", "Bob", "d@e.f", message}
                                    << "Please Enter Your Name";
    QTest::newRow("message emptied") << QStringList {"Ann", "a@b.c", "Bob", "d@e.f", ""} << "Please Enter Your Message";
    QTest::newRow("message is its placeholder")
        << QStringList {"Ann", "a@b.c", "Bob", "d@e.f", " Your Message "} << "Please Enter Your Message";
    QTest::newRow("friend's name left") << QStringList {"Ann", "a@b.c", "Friend's Name", "d@e.f", message}
                                        << "Please Enter Your Friend's Name";
    QTest::newRow("valid, message untouched")
        << QStringList {" Ann & Co=1 ", "a@b.c", "Bob #2", "d@e.f", message} << "";
    QTest::newRow("valid, message typed")
        << QStringList {"Zoë", "z+1@b.c", "Bob", "d@e.f", "Hi Bob,\r\n100% worth it?  "} << "";
}

void TestExitScreen::submissionMessages()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, message);

    PageCatcher pages;
    ExitScreenOnView p;
    const char* boxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
    for (int i = 0; i < 5; ++i) {
        if (!texts.at(i).isNull())
            ExitScreen::setBoxText(p.get(boxes[i]), texts.at(i));
    }
    QTest::mouseClick(p.get("cmdSubmit"), Qt::LeftButton);

    const auto shown = MessageBox::takeShown();
    if (!message.isEmpty()) {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, message);
        QCOMPARE(shown.at(0).icon, QMessageBox::Critical);
        QCOMPARE(shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.at(0).title, QStringLiteral("Veltro Weight Loss Calculator"));
        QVERIFY(pages.opened.isEmpty());
        return;
    }

    QVERIFY(shown.isEmpty());
    QCOMPARE(pages.opened.size(), 1);
    const QUrl url = pages.opened.at(0);
    QCOMPARE(url.toEncoded(),
        Referral::referralAddress(p.screen->submittedFields(), SiteConfig::mainHost(), SiteConfig::programHost()));
    QCOMPARE(url.host(), SiteConfig::mainHost().section(QLatin1Char(':'), 0, 0));
    QCOMPARE(url.path(), QStringLiteral("/vexo-refer-a-friend.php"));
    const QUrlQuery query(url);
    const QString sentMessage = texts.at(4).isNull() ? QStringLiteral("Your Message\r\n") : texts.at(4).trimmed();
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), texts.at(0).trimmed());
    QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded), texts.at(1));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), sentMessage);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), texts.at(2));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded), texts.at(3));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
        QStringLiteral("http://%1/").arg(SiteConfig::programHost()));
}

void TestExitScreen::submissionStoresTextsAndLeavesTheForm()
{
    PageCatcher pages;
    ExitScreenOnView p;
    ExitScreen::setBoxText(p.get("txtName"), QStringLiteral(" Ann "));
    ExitScreen::setBoxText(p.get("txtEmail"), QStringLiteral("same@x.y"));
    ExitScreen::setBoxText(p.get("txtFriendEmail"), QStringLiteral("same@x.y "));
    p.get("txtFriendEmail")->setFocus(Qt::TabFocusReason);
    p.screen->submitReferral();

    // Stored before the test that failed.
    QCOMPARE(MessageBox::takeShown().size(), 1);
    const ReferralFields& stored = p.screen->submittedFields();
    QCOMPARE(stored.referrerName, QStringLiteral("Ann"));
    QCOMPARE(stored.referrerEmail, QStringLiteral("same@x.y"));
    QCOMPARE(stored.referralMessage, QStringLiteral("Your Message\r\n"));
    QCOMPARE(stored.friendName, QStringLiteral("Friend's Name"));
    QCOMPARE(stored.friendEmail, QStringLiteral("same@x.y"));

    // Nothing of the form changes, whether the submission fails or passes, and
    // pressing again opens the address again.
    ExitScreen::setBoxText(p.get("txtFriendName"), QStringLiteral("Bob"));
    ExitScreen::setBoxText(p.get("txtFriendEmail"), QStringLiteral("bob@x.y"));
    p.screen->submitReferral();
    p.screen->submitReferral();
    QCOMPARE(pages.opened.size(), 2);
    QCOMPARE(pages.opened.at(0), pages.opened.at(1));
    QCOMPARE(p.text("txtName"), QStringLiteral(" Ann "));
    QCOMPARE(p.text("txtFriendEmail"), QStringLiteral("bob@x.y"));
    QCOMPARE(focusName(), QStringLiteral("txtFriendEmail"));
    QVERIFY(p.screen->isVisible());
    QCOMPARE(p.terminations, 0);
}

void TestExitScreen::fullCloseSequence_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close box";
    QTest::newRow("cmdClose") << "cmdClose";
    QTest::newRow("Alt+X") << "Alt+X";
}

void TestExitScreen::fullCloseSequence()
{
    QFETCH(QString, how);
    // The offer's draw at start, then the exit screen's when Calculate loads it.
    RunningProgram p({0.5f, 0.8f});

    // Calculate: the results window comes up; the exit screen loads hidden.
    QPointer<QWidget> main = p.form(FormId::Main);
    fillAndCalculate(p);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(p.form(FormId::Display)->isVisible());
    QPointer<QWidget> screen = p.form(FormId::ExitScreen);
    QVERIFY(screen && !screen->isVisible());

    // Closing the results window shows the exit screen with the message drawn at
    // its load; the main window stays loaded and hidden.
    QCloseEvent closeDisplay;
    QCoreApplication::sendEvent(p.form(FormId::Display), &closeDisplay);
    RunningProgram::settle();
    QVERIFY(!p.shell->isLoaded(FormId::Display));
    QVERIFY(p.shell->isLoaded(FormId::Main) && !p.form(FormId::Main)->isVisible());
    QCOMPARE(p.form(FormId::ExitScreen), screen.data());
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
        SupportMessages::text(3, SiteConfig::forumAddress()));
    QCOMPARE(p.terminations, 0);

    // Closing the exit screen ends the program although the main window was loaded.
    QPointer<QWidget> mainWindow = main.data();
    if (how == QLatin1String("close box")) {
        QCloseEvent closeScreen;
        QCoreApplication::sendEvent(screen, &closeScreen);
    } else if (how == QLatin1String("cmdClose")) {
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    } else {
        QVERIFY(RunningProgram::activate(screen));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    }
    QTRY_COMPARE(p.terminations, 1);
    QCOMPARE(p.exitCode, 0);
    QVERIFY(p.shell->hasEnded());
    QVERIFY(p.shell->loadOrder().isEmpty());
    RunningProgram::settle();
    QVERIFY(screen.isNull());
    QVERIFY(mainWindow.isNull());
}

void TestExitScreen::supportMessageDraw()
{
    RandomSource random;
    const float belowOne = std::nextafter(1.0f, 0.0f);
    random.setSequence({0.0f, std::nextafter(0.25f, 0.0f), 0.25f, 0.5f, std::nextafter(0.75f, 0.0f), 0.75f, belowOne});
    QList<int> drawn;
    for (int i = 0; i < 7; ++i)
        drawn.append(SupportMessages::draw(random));
    QCOMPARE(drawn, (QList<int> {0, 0, 1, 2, 2, 3, 3}));
}

void TestExitScreen::supportMessagesEquallyLikely()
{
    RandomSource random;
    random.seedFromClock();
    int counts[SupportMessages::kCount] = {};
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        const int n = SupportMessages::draw(random);
        QVERIFY(n >= 0 && n < SupportMessages::kCount);
        ++counts[n];
    }
    // Each near 10000; 600 is more than six standard deviations.
    for (int count : counts)
        QVERIFY2(qAbs(count - draws / 4) < 600, qPrintable(QString::number(count)));
}

void TestExitScreen::supportMessagesNameTheForum()
{
    const QString forum = QStringLiteral("forum.test:8080");
    QSet<QString> texts;
    for (int n = 0; n < SupportMessages::kCount; ++n) {
        const QString text = SupportMessages::text(n, forum);
        QVERIFY2(text.contains(forum), qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char('%')));
        texts.insert(text);
    }
    QCOMPARE(texts.size(), SupportMessages::kCount);
}

void TestExitScreen::translatedTexts_data()
{
    const QString forum = SiteConfig::forumAddress();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("caption") << "Label1"
                             << "Veltro Abnehmrechner v1.0";
    QTest::newRow("frame") << "Frame2"
                           << "Empfehlen Sie uns";
    QTest::newRow("button") << "cmdClose"
                            << "&Beenden";
    QTest::newRow("forum check box") << "Check1" << QStringLiteral("Jetzt %1 besuchen").arg(forum);
    QTest::newRow("support message") << "Label2" << QStringLiteral("Besuchen Sie %1 oft.").arg(forum);
    QTest::newRow("catalogue") << "Label3" << QStringLiteral("Erstens.") + QString(61, QLatin1Char(' ')) + "Zweitens.";
}

// Each text is asked for in the context its translation is kept in, and the forum's
// address still takes its place in a translated sentence.
void TestExitScreen::translatedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    TableTranslator german {
        {"WindowCaption", "Veltro Weight Loss Calculator v1.0", QStringLiteral("Veltro Abnehmrechner v1.0")},
        {"ExitScreen", "Refer A Friend", QStringLiteral("Empfehlen Sie uns")},
        {"ExitScreen", "E&xit", QStringLiteral("&Beenden")},
        {"ExitScreen", "Click Here To Visit %1 Now", QStringLiteral("Jetzt %1 besuchen")},
        {"SupportMessages",
            "Visit %1 regularly. Support %1 by taking part in the discussions and other activities. These softwares "
            "cannot be supported and maintained unless you visit %1 regularly.",
            QStringLiteral("Besuchen Sie %1 oft.")},
        {"ExitScreen",
            "If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a "
            "single software, we have now grown to become the world\u2019s largest resource of quillory softwares. Be "
            "it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users "
            "a wide choice depending on their interests.",
            QStringLiteral("Erstens.")},
        {"ExitScreen",
            "All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use "
            "but also very informative. Try them out today and share your experience with your friends and family. ",
            QStringLiteral("Zweitens.")},
    };
    QVERIFY(QCoreApplication::installTranslator(&german));
    const auto removal = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
    ExitScreen screen;
    QCOMPARE(screen.windowTitle(), QStringLiteral("Veltro Abnehmrechner v1.0"));
    QWidget* w = screen.findChild<QWidget*>(name);
    QVERIFY(w);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        text = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        text = frame->title();
    QCOMPARE(text, shown);
}

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
