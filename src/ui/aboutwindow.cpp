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
    //: About box: what a screen reader calls the program's icon at the top left.
    //: "Veltro" is the product's name.
    picture1->setAccessibleName(tr("Veltro Weight Loss Calculator icon"));

    //: About box: the button that closes it, 84 px wide, bold.
    auto* cmdOK = new QPushButton(tr("&OK"), this);
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
    label(this, QStringLiteral("Label2"), windowCaption(), twips(840, 240, 3420, 240), kCream, verdana(9.75, true),
        Qt::AlignLeft | Qt::AlignTop, false, true);

    // Named after the co-branding offer, it opens the full-branding one.
    //: About box: link under the offer at the bottom right, bold underlined, one line of
    //: at most 183 px.
    LinkLabel* cobrand
        = pageLink(this, QStringLiteral("lblCobrand"), tr("Click here for more details."), WebLink::FullBrandOffer);
    cobrand->setFont(verdana(8.25, true, true));
    cobrand->move(px(4080), px(2880));
    cobrand->adjustSize();
    setColors(cobrand, kNavy, kCream, false);

    //: About box: the offer in the lower half, bold, word-wrapped in a box of 417 x 41 px
    //: (three lines).
    label(this, QStringLiteral("Label3"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. Get this software "
           "fully branded for your website."),
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
    // Two whole sentences, the second run on without a blank as the box has always shown it.
    //: About box: what the program does, word-wrapped with the rights sentence that
    //: follows it in a box of 441 x 53 px (four lines). "Veltro" is the product's name.
    return tr("Veltro Weight Loss Calculator estimates your intake of calories based on your personal body details "
              "and the amount of weight you wish to lose. Your daily level of physical activity and the time in "
              "which you want to lose weight is also considered.")
        + SiteConfig::rightsSentence();
}

QString AboutWindow::homePageInvitation()
{
    //: About box: link in the middle, bold underlined, one line of at most 319 px; %1 is
    //: the forum's web address (such as www.example.com).
    return tr("Click here to visit %1").arg(SiteConfig::forumAddress());
}
