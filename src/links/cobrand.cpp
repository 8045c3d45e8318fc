#include "links/cobrand.h"

#include "app/randomsource.h"

#include <QWidget>
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

int CoBrand_Randomize(RandomSource& random, QWidget* lblCobrand, QWidget* lblFullBrand)
{
    const int number = coBrandNumber(random.next());
    QWidget* front = offerInFront(number) == OfferLabel::CoBrand ? lblCobrand : lblFullBrand;
    if (front)
        front->raise();
    return number;
}
