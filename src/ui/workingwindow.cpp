#include "ui/workingwindow.h"

#include "links/offertexts.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/screenfit.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

using namespace Look;
using namespace WindowParts;

WorkingWindow::WorkingWindow(int width, int height)
    : QMainWindow(nullptr, fixedWindowFlags())
    , m_clientArea(new QWidget(this))
{
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    m_clientArea->setFixedSize(px(width), px(height));
    setColors(m_clientArea, kNavy, kWhite);
    setCentralWidget(m_clientArea);
}

void WorkingWindow::addForumBanner(const QRect& frameGeometry, const QRect& linkGeometry, const QColor& background)
{
    QGroupBox* banner = frame(
        m_clientArea, QStringLiteral("Frame2"), QString(), frameGeometry, background, kCream, verdana(8.25, true));
    LinkLabel* link = pageLink(banner, QStringLiteral("Label61"), OfferTexts::forumBanner(), WebLink::HomePage);
    link->setGeometry(linkGeometry);
    link->setFont(verdana(9, true, true));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    setColors(link, background, kCream, false);
}

WorkingWindow::OfferBand WorkingWindow::addOfferBand(
    const QRect& frameGeometry, const QRect& coBrand, const QRect& fullBrand)
{
    QGroupBox* band
        = frame(m_clientArea, QStringLiteral("Frame5"), QString(), frameGeometry, kNavy, kCream, verdana(8.25, true));
    OfferBand offers {
        pageLink(band, QStringLiteral("lblCobrand"), OfferTexts::coBrandOffer(), WebLink::CoBrandOffer),
        pageLink(band, QStringLiteral("lblFullBrand"), OfferTexts::fullBrandOffer(), WebLink::FullBrandOffer),
    };
    offers.coBrand->setGeometry(coBrand);
    offers.fullBrand->setGeometry(fullBrand);
    for (LinkLabel* offer : {offers.coBrand, offers.fullBrand}) {
        offer->setFont(verdana(8.25, true, true));
        offer->setAlignment(Qt::AlignCenter);
        offer->setWordWrap(true);
        setColors(offer, kNavy, kCream, true);
    }
    return offers;
}

void WorkingWindow::addMenus(
    const char* fileMenuName, std::initializer_list<MenuEntry> fileMenu, const HelpMenuNames& help)
{
    QMenuBar* bar = menuBar();
    bar->setFont(verdana(8.25));
    //: Menu on the menu bar of the main and the results window. The menu bar holds File,
    //: Help, Donate and Make Money Online in one line of 569 px (main window).
    addMenu(bar, fileMenuName, QT_TRANSLATE_NOOP("Menu", "&File"), fileMenu);
    //: Menu on the menu bar of the main and the results window, beside File.
    addMenu(bar, "mnuHelp", QT_TRANSLATE_NOOP("Menu", "&Help"),
        {
            //: Help menu: opens the program's help pages in the browser.
            pageEntry("mnuOnline", QT_TRANSLATE_NOOP("Menu", "&Online Help"), WebLink::OnlineHelp),
            //: Help menu: opens the maker's home page in the browser.
            pageEntry("mnuVisit", QT_TRANSLATE_NOOP("Menu", "&Visit Us Online"), WebLink::HomePage),
            {help.firstSeparator},
            pageEntry("mnuUpdate", help.updateCaption, WebLink::DownloadPage),
            {help.secondSeparator},
            //: Help menu: shows the about box.
            {"mnuAbout", QT_TRANSLATE_NOOP("Menu", "&About Software"), [this] { emit aboutRequested(); }},
        });
    //: Command on the menu bar itself, beside Help: opens the donation page in the
    //: browser. The menu bar holds File, Help, Donate and Make Money Online in one line.
    addCommand(bar, pageEntry("mnuDonate", QT_TRANSLATE_NOOP("Menu", "&Donate"), WebLink::DonatePage));
    // Switched off from the start and never switched on.
    //: Command on the menu bar itself, last, always greyed out. The menu bar holds File,
    //: Help, Donate and Make Money Online in one line.
    addCommand(bar, pageEntry("mnumakemoney", QT_TRANSLATE_NOOP("Menu", "Make Money &Online"), WebLink::FullBrandOffer))
        ->setEnabled(false);
}

void WorkingWindow::finish(const QString& name)
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    finishWindow(this, name);
    new ScreenFit(this, m_clientArea);
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    // Its owner decides: closing a working window shows the exit screen and unloads it.
    event->ignore();
    emit closeRequested();
}
