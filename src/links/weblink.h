#pragma once

#include <QUrl>

// The pages the program opens in the user's default browser.
enum class WebLink { HomePage, SoftwareCatalogue, OnlineHelp, DownloadPage, DonatePage, FullBrandOffer, CoBrandOffer };

// The page's fixed address, on one of the hosts configured at build time.
QUrl webLinkAddress(WebLink link);
