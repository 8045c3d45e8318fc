#pragma once

#include <QUrl>

// The pages the program opens in the user's default browser.
enum class WebLink { HomePage, SoftwareCatalogue, OnlineHelp, DownloadPage, DonatePage, FullBrandOffer, CoBrandOffer };

QUrl webLinkAddress(WebLink link);

// Hands the page to the desktop, which opens it in the default browser, and returns
// at once. A failure is not reported.
void OpenWebLink(WebLink link);

// The one hand-over of an address to the desktop, used for every page.
void openAddress(const QUrl& address);
