#include "fixture.h"
#include "links/cobrand.h"
#include "links/siteconfig.h"
#include "links/weblink.h"
#include "platform/randomsource.h"
#include "ui/aboutwindow.h"
#include "ui/windowparts.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cmath>

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Look::applyApplicationLook(); }
    void everyPageHasItsAddress();
    void openingTwiceOpensTwice();
    void mainWindowLinksAndMenus_data();
    void mainWindowLinksAndMenus();
    void resultsWindowLinksAndMenus_data();
    void resultsWindowLinksAndMenus();
    void aboutBoxLinksLeaveItOpen();
    void aboutBoxClosesOnOkEnterEscapeAndCloseBox_data();
    void aboutBoxClosesOnOkEnterEscapeAndCloseBox();
    void offerDrawAtTheBoundaries();
    void eachOfferIsInFrontAboutHalfTheTime();
    void visibleOfferOpensItsOwnPage();
};

namespace {

QUrl page(WebLink link)
{
    return webLinkAddress(link);
}

void click(QWidget* w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
}

// Valid details and Calculate, to reach the results window.
void reachResults(RunningProgram& p)
{
    fillAndCalculate(p);
    QVERIFY(p.shell->isLoaded(FormId::Display));
}

} // namespace

Q_DECLARE_METATYPE(WebLink)

void TestLinks::everyPageHasItsAddress()
{
    const QString main = QStringLiteral("http://") + SiteConfig::mainHost();
    const QString help = QStringLiteral("http://") + SiteConfig::helpHost();
    const QString program = QStringLiteral("http://") + SiteConfig::programHost();
    QCOMPARE(page(WebLink::HomePage).toString(), main + "/");
    QCOMPARE(page(WebLink::SoftwareCatalogue).toString(), main + "/quillorysoftwares");
    QCOMPARE(page(WebLink::OnlineHelp).toString(), program + "/veltro-free-weight-loss-calculator-help.html");
    QCOMPARE(page(WebLink::DownloadPage).toString(), program + "/download-veltro-free-weight-loss-calculator.html");
    QCOMPARE(page(WebLink::DonatePage).toString(), help + "/donate.html");
    QCOMPARE(page(WebLink::FullBrandOffer).toString(), help + "/fully-branded.html");
    QCOMPARE(page(WebLink::CoBrandOffer).toString(), help + "/co-brand.html");
    for (WebLink link : {WebLink::HomePage, WebLink::SoftwareCatalogue, WebLink::OnlineHelp, WebLink::DownloadPage,
             WebLink::DonatePage, WebLink::FullBrandOffer, WebLink::CoBrandOffer}) {
        QVERIFY(page(link).isValid());
        QVERIFY(!page(link).hasQuery());
    }
}

void TestLinks::openingTwiceOpensTwice()
{
    PageCatcher catcher;
    WindowParts::openPage(WebLink::DonatePage);
    WindowParts::openPage(WebLink::DonatePage);
    QCOMPARE(catcher.opened, (QList<QUrl> {page(WebLink::DonatePage), page(WebLink::DonatePage)}));
}

void TestLinks::mainWindowLinksAndMenus_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<WebLink>("link");
    QTest::newRow("forum banner") << "Label61" << WebLink::HomePage;
    QTest::newRow("introductory text") << "Label2" << WebLink::FullBrandOffer;
    QTest::newRow("co-branding offer") << "lblCobrand" << WebLink::CoBrandOffer;
    QTest::newRow("full-branding offer") << "lblFullBrand" << WebLink::FullBrandOffer;
    QTest::newRow("Help > Online Help") << "mnuOnline" << WebLink::OnlineHelp;
    QTest::newRow("Help > Visit Us Online") << "mnuVisit" << WebLink::HomePage;
    QTest::newRow("Help > Check for Software Update") << "mnuUpdate" << WebLink::DownloadPage;
    QTest::newRow("Donate") << "mnuDonate" << WebLink::DonatePage;
    QTest::newRow("Make Money Online (switched off)") << "mnumakemoney" << WebLink::FullBrandOffer;
}

void TestLinks::mainWindowLinksAndMenus()
{
    QFETCH(QString, control);
    QFETCH(WebLink, link);
    RunningProgram p;
    PageCatcher catcher;
    QWidget* main = p.form(FormId::Main);
    if (auto* action = main->findChild<QAction*>(control)) {
        if (!action->isEnabled()) {
            // The user cannot choose it; switched on, it opens the full-branding offer.
            action->trigger();
            QVERIFY(catcher.opened.isEmpty());
            action->setEnabled(true);
            action->trigger();
        } else {
            action->trigger();
        }
    } else {
        auto* label = main->findChild<QLabel*>(control);
        label->raise(); // the offer labels overlap; click the one asked for
        click(label);
    }
    QCOMPARE(catcher.opened, QList<QUrl> {page(link)});
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestLinks::resultsWindowLinksAndMenus_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<WebLink>("link");
    QTest::newRow("forum banner") << "Label61" << WebLink::HomePage;
    QTest::newRow("bottom band") << "lblFullBrand" << WebLink::FullBrandOffer;
    QTest::newRow("Help > Online Help") << "mnuOnline" << WebLink::OnlineHelp;
    QTest::newRow("Help > Visit Us Online") << "mnuVisit" << WebLink::HomePage;
    QTest::newRow("Help > Check for Software Update") << "mnuUpdate" << WebLink::DownloadPage;
    QTest::newRow("Donate") << "mnuDonate" << WebLink::DonatePage;
}

void TestLinks::resultsWindowLinksAndMenus()
{
    QFETCH(QString, control);
    QFETCH(WebLink, link);
    RunningProgram p;
    reachResults(p);
    PageCatcher catcher;
    QWidget* display = p.form(FormId::Display);
    if (auto* action = display->findChild<QAction*>(control)) {
        action->trigger();
    } else {
        // Clicked where the user clicks: the widget on top at the label's centre.
        auto* label = display->findChild<QLabel*>(control);
        const QPoint centre = label->mapTo(display, label->rect().center());
        click(display->childAt(centre));
    }
    QCOMPARE(catcher.opened, QList<QUrl> {page(link)});
    QVERIFY(!display->findChild<QAction*>(QStringLiteral("mnumakemoney"))->isEnabled());
}

void TestLinks::aboutBoxLinksLeaveItOpen()
{
    RunningProgram p;
    QLineEdit* name = p.child<QLineEdit>(FormId::Main, "txtFirstName");
    name->setText(QStringLiteral("KEPT"));
    PageCatcher catcher;
    QPointer<QWidget> firstAbout;
    bool modalWithoutOwner = false;
    QWidget* focused = nullptr;
    QString homePageText;
    QString description;
    bool openAfterLinks = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutWindow*>(p.form(FormId::About));
        if (!about)
            return;
        firstAbout = about;
        modalWithoutOwner = about->isVisible() && about->isModal() && !about->parentWidget();
        focused = about->focusWidget();
        homePageText = about->findChild<QLabel*>(QStringLiteral("lblHomePage"))->text();
        description = about->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        click(about->findChild<QLabel*>(QStringLiteral("lblCobrand")));
        click(about->findChild<QLabel*>(QStringLiteral("lblHomePage")));
        openAfterLinks = about->isVisible();
        about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    p.form(FormId::Main)->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(firstAbout);
    QVERIFY(modalWithoutOwner);
    QCOMPARE(focused ? focused->objectName() : QString(), QStringLiteral("cmdOK"));
    QCOMPARE(homePageText, QStringLiteral("Click here to visit ") + SiteConfig::forumAddress());
    QVERIFY(description.endsWith(QStringLiteral("is also considered.") + SiteConfig::rightsSentence()));
    QVERIFY(openAfterLinks);
    QCOMPARE(catcher.opened, (QList<QUrl> {page(WebLink::FullBrandOffer), page(WebLink::HomePage)}));
    // Closed: unloaded, no exit step, every input as it was.
    QVERIFY(!p.shell->isLoaded(FormId::About));
    QVERIFY(!p.shell->isLoaded(FormId::ExitScreen));
    QCOMPARE(name->text(), QStringLiteral("KEPT"));
    RunningProgram::settle();
    QVERIFY(firstAbout.isNull());
}

void TestLinks::aboutBoxClosesOnOkEnterEscapeAndCloseBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fromResults");
    QTest::newRow("OK, from the main window") << "ok" << false;
    QTest::newRow("Enter") << "enter" << false;
    QTest::newRow("Escape, from the results window") << "escape" << true;
    QTest::newRow("close box, from the results window") << "close" << true;
}

void TestLinks::aboutBoxClosesOnOkEnterEscapeAndCloseBox()
{
    QFETCH(QString, how);
    QFETCH(bool, fromResults);
    RunningProgram p;
    if (fromResults)
        reachResults(p);
    QWidget* opener = p.form(fromResults ? FormId::Display : FormId::Main);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* about = p.form(FormId::About);
        if (!about)
            return;
        RunningProgram::activate(about);
        if (how == "ok")
            about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        else if (how == "enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            about->close();
        ran = true;
    });
    opener->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(ran);
    QVERIFY(!p.shell->isLoaded(FormId::About));
    QVERIFY(opener->isVisible());
    QVERIFY(!p.shell->isLoaded(FormId::ExitScreen) || !p.form(FormId::ExitScreen)->isVisible());
    QCOMPARE(p.terminations, 0);
}

void TestLinks::offerDrawAtTheBoundaries()
{
    const float sixth = 1.0f / 6.0f; // the single-precision value nearest 1/6
    QCOMPARE(coBrandNumber(0.0f), 1);
    QCOMPARE(coBrandNumber(std::nextafter(sixth, 0.0f)), 1);
    QCOMPARE(coBrandNumber(sixth), 2);
    QCOMPARE(coBrandNumber(0.5f), 4);
    QCOMPARE(coBrandNumber(std::nextafter(1.0f, 0.0f)), 6);
    QCOMPARE(offerInFront(1), OfferLabel::CoBrand);
    QCOMPARE(offerInFront(2), OfferLabel::FullBrand);
    QCOMPARE(offerInFront(5), OfferLabel::CoBrand);
    QCOMPARE(offerInFront(6), OfferLabel::FullBrand);

    // The generator's fixed sequence decides which label the start brings to the front.
    for (const auto& [r, front] : {std::pair {std::nextafter(sixth, 0.0f), "lblCobrand"},
             std::pair {sixth, "lblFullBrand"}, std::pair {std::nextafter(1.0f, 0.0f), "lblFullBrand"}}) {
        RunningProgram p({r});
        QWidget* band = p.child<QWidget>(FormId::Main, "Frame5");
        QCOMPARE(band->children().last()->objectName(), QString::fromLatin1(front));
    }
}

void TestLinks::eachOfferIsInFrontAboutHalfTheTime()
{
    RandomSource random;
    random.seedFromClock();
    const int draws = 60000;
    int coBrand = 0;
    int counts[7] = {};
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        const int n = coBrandNumber(r);
        QVERIFY(n >= 1 && n <= 6);
        ++counts[n];
        coBrand += offerInFront(n) == OfferLabel::CoBrand;
    }
    // Five standard deviations of a fair coin over 60000 draws is about 0.0102.
    QVERIFY2(std::abs(coBrand / double(draws) - 0.5) < 0.0102, qPrintable(QString::number(coBrand)));
    for (int n = 1; n <= 6; ++n)
        QVERIFY(std::abs(counts[n] / double(draws) - 1.0 / 6) < 0.0081);
}

void TestLinks::visibleOfferOpensItsOwnPage()
{
    for (float r : {0.0f, 0.9f}) {
        // Start-up reseeds the generator; the fixed value is drawn after that.
        RunningProgram p({r});
        QWidget* main = p.form(FormId::Main);
        auto* cobrand = main->findChild<QLabel*>(QStringLiteral("lblCobrand"));
        QCOMPARE(cobrand->parentWidget()->children().last()->objectName(),
            QLatin1String(offerInFront(coBrandNumber(r)) == OfferLabel::CoBrand ? "lblCobrand" : "lblFullBrand"));
        const QPoint centre = cobrand->mapTo(main, cobrand->rect().center());
        PageCatcher catcher;
        click(main->childAt(centre));
        QCOMPARE(catcher.opened, QList<QUrl> {page(r < 0.5f ? WebLink::CoBrandOffer : WebLink::FullBrandOffer)});
        // Pressed on the label but released off it: a change of mind opens nothing.
        QWidget* label = main->childAt(centre);
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(label->width() + 5, -5));
        QCOMPARE(catcher.opened.size(), 1);
    }
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
