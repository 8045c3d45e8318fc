#pragma once

#include <QString>

// The promotional texts that more than one window shows.
namespace OfferTexts {

// The forum banner across the top of the working windows, naming the forum's address.
QString forumBanner();
QString coBrandOffer();
QString fullBrandOffer();

} // namespace OfferTexts
