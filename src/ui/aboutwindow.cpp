#include "ui/aboutwindow.h"

#include "app/fixedsizewindow.h"
#include "links/siteconfig.h"
#include "links/weblink.h"
#include "ui/linklabel.h"
#include "ui/look.h"

#include <QLabel>
#include <QPushButton>

using namespace Look;

AboutWindow::AboutWindow(Shell& shell)
    : QDialog(nullptr,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Veltro Weight Loss Calculator v1.0"));
    setWindowIcon(appIcon());
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
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);

    auto* line1 = new QWidget(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(px(-60), px(3240) - 1, px(6840 + 60), 2);
    setColors(line1, kCream, kCream);

    QLabel* label1 = label(this, QStringLiteral("Label1"), descriptionText(), twips(120, 720, 6615, 795), kCream,
        verdana(8.25), Qt::AlignLeft | Qt::AlignTop, true);
    Q_UNUSED(label1);
    label(this, QStringLiteral("Label2"), QStringLiteral("Veltro Weight Loss Calculator v1.0"),
        twips(840, 240, 3420, 240), kCream, verdana(9.75, true), Qt::AlignLeft | Qt::AlignTop, false, true);

    auto* cobrand = new LinkLabel(this);
    cobrand->setObjectName(QStringLiteral("lblCobrand"));
    cobrand->setText(QStringLiteral("Click here for more details."));
    cobrand->setFont(verdana(8.25, true, true));
    cobrand->move(px(4080), px(2880));
    cobrand->adjustSize();
    setColors(cobrand, kNavy, kCream, false);
    connect(cobrand, &LinkLabel::clicked, this, &AboutWindow::lblCobrand_Click);

    label(this, QStringLiteral("Label3"),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                       "software fully branded for your website."),
        twips(240, 2280, 6255, 615), kCream, verdana(8.25, true), Qt::AlignLeft | Qt::AlignTop, true);

    auto* homePage = new LinkLabel(this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    homePage->setText(homePageInvitation());
    homePage->setFont(verdana(8.25, true, true));
    homePage->move(px(2040), px(1800));
    homePage->adjustSize();
    setColors(homePage, kNavy, kCream, false);
    connect(homePage, &LinkLabel::clicked, this, &AboutWindow::lblHomePage_Click);

    cmdOK->setFocus(Qt::OtherFocusReason);
    placeInCentre(this);
    keepFixedSize(this);
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

void AboutWindow::cmdOK_Click()
{
    // Closing ends the modal loop; whoever opened the box then unloads it.
    accept();
}

void AboutWindow::lblCobrand_Click()
{
    OpenWebLink(WebLink::FullBrandOffer);
}

void AboutWindow::lblHomePage_Click()
{
    OpenWebLink(WebLink::HomePage);
}
