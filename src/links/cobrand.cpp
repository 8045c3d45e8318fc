#include "links/cobrand.h"

#include "platform/randomsource.h"

#include <cmath>

int coBrandNumber(float r)
{
    const float scaled = r * 6.0f;
    return static_cast<int>(std::floor(scaled)) + 1;
}

OfferLabel offerInFront(int number)
{
    return number % 2 == 1 ? OfferLabel::CoBrand : OfferLabel::FullBrand;
}

OfferLabel drawOfferInFront(RandomSource& random)
{
    return offerInFront(coBrandNumber(random.next()));
}
