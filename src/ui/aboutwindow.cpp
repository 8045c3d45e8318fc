#include "ui/aboutwindow.h"

#include "links/siteconfig.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/windowparts.h"

#include <QLabel>
#include <QPushButton>

using namespace Look;
using namespace WindowParts;

AboutWindow::AboutWindow()
    : QDialog(nullptr, fixedWindowFlags(Qt::Dialog))
{
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(px(6825), px(3870));
    setColors(this, kNavy, kCream);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twips(120, 120, 480, 480));
    picture1->setPixmap(appIcon().pixmap(32, 32));
    picture1->setAccessibleName(QStringLiteral("Veltro Weight Loss Calculator icon"));

    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips(5400, 3360, 1260, 345));
    cmdOK->setFont(verdana(8.25, true));
    setColors(cmdOK, kCream, Qt::black, false);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    // Closing ends the modal loop; whoever opened the box then unloads it.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* line1 = new QWidget(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(px(-60), px(3240) - 1, px(6840 + 60), 2);
    setColors(line1, kCream, kCream);

    label(this, QStringLiteral("Label1"), descriptionText(), twips(120, 720, 6615, 795), kCream, verdana(8.25),
        Qt::AlignLeft | Qt::AlignTop, true);
    label(this, QStringLiteral("Label2"), kCaption, twips(840, 240, 3420, 240), kCream, verdana(9.75, true),
        Qt::AlignLeft | Qt::AlignTop, false, true);

    // Named after the co-branding offer, it opens the full-branding one.
    LinkLabel* cobrand = pageLink(
        this, QStringLiteral("lblCobrand"), QStringLiteral("Click here for more details."), WebLink::FullBrandOffer);
    cobrand->setFont(verdana(8.25, true, true));
    cobrand->move(px(4080), px(2880));
    cobrand->adjustSize();
    setColors(cobrand, kNavy, kCream, false);

    label(this, QStringLiteral("Label3"),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                       "software fully branded for your website."),
        twips(240, 2280, 6255, 615), kCream, verdana(8.25, true), Qt::AlignLeft | Qt::AlignTop, true);

    LinkLabel* homePage = pageLink(this, QStringLiteral("lblHomePage"), homePageInvitation(), WebLink::HomePage);
    homePage->setFont(verdana(8.25, true, true));
    homePage->move(px(2040), px(1800));
    homePage->adjustSize();
    setColors(homePage, kNavy, kCream, false);

    cmdOK->setFocus(Qt::OtherFocusReason);
    finishWindow(this, QStringLiteral("frmAbout"));
}

QString AboutWindow::descriptionText()
{
    return QStringLiteral(
               "Veltro Weight Loss Calculator estimates your intake of calories based on your personal body "
               "details and the amount of weight you wish to lose. Your daily level of physical activity and "
               "the time in which you want to lose weight is also considered.")
        + SiteConfig::rightsSentence();
}

QString AboutWindow::homePageInvitation()
{
    return QStringLiteral("Click here to visit ") + SiteConfig::forumAddress();
}
