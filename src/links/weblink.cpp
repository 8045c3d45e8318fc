#include "links/weblink.h"

#include "links/siteconfig.h"

namespace {

QUrl address(const QString& host, const char* path)
{
    return QUrl(QStringLiteral("http://") + host + QLatin1String(path), QUrl::StrictMode);
}

} // namespace

QUrl webLinkAddress(WebLink link)
{
    switch (link) {
    case WebLink::HomePage:
        return address(SiteConfig::mainHost(), "/");
    case WebLink::SoftwareCatalogue:
        return address(SiteConfig::mainHost(), "/quillorysoftwares");
    case WebLink::OnlineHelp:
        return address(SiteConfig::programHost(), "/veltro-free-weight-loss-calculator-help.html");
    case WebLink::DownloadPage:
        return address(SiteConfig::programHost(), "/download-veltro-free-weight-loss-calculator.html");
    case WebLink::DonatePage:
        return address(SiteConfig::helpHost(), "/donate.html");
    case WebLink::FullBrandOffer:
        return address(SiteConfig::helpHost(), "/fully-branded.html");
    case WebLink::CoBrandOffer:
        return address(SiteConfig::helpHost(), "/co-brand.html");
    }
    return QUrl();
}
