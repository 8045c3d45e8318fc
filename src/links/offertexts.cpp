#include "links/offertexts.h"

#include "links/siteconfig.h"

#include <QCoreApplication>

namespace OfferTexts {
namespace {

struct OfferText
{
    Q_DECLARE_TR_FUNCTIONS(OfferTexts)
};

} // namespace

QString forumBanner()
{
    //: Link across the top of the main window (544 px wide) and the results window (672 px), two lines at most; the
    //: windows do not grow. %1 is the forum's web address
    return OfferText::tr("The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. "
                         "Visit %1 Now")
        .arg(SiteConfig::forumAddress());
}

QString coBrandOffer()
{
    //: Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three
    //: lines at most; the windows do not grow. "Help" names the Help menu; the "&" is shown as it is, not an access key
    return OfferText::tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                         "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
                         "co-branding.");
}

QString fullBrandOffer()
{
    //: Link in the band at the foot of the main window (543 px wide) and the results window (671 px), two or three
    //: lines at most; the windows do not grow
    return OfferText::tr("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                         "software fully branded for your website. Click here for more details.");
}

} // namespace OfferTexts
