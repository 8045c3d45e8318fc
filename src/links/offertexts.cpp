#include "links/offertexts.h"

#include "links/siteconfig.h"

namespace OfferTexts {

QString forumBanner()
{
    return QStringLiteral(
               "The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit ")
        + SiteConfig::forumAddress() + QStringLiteral(" Now");
}

QString coBrandOffer()
{
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                          "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
                          "co-branding.");
}

QString fullBrandOffer()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                          "software fully branded for your website. Click here for more details.");
}

} // namespace OfferTexts
