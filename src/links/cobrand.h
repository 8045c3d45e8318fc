#pragma once

class RandomSource;

// Which of the two overlapping offer labels of the main window lies in front.
enum class OfferLabel { CoBrand, FullBrand };

// The draw of one start: floor(r x 6) + 1 in single precision, 1 to 6.
int coBrandNumber(float r);

// 1, 3 and 5 put the co-branding offer in front; 2, 4 and 6 the full-branding one.
OfferLabel offerInFront(int number);

// Draws once from the generator and gives the label that goes in front.
OfferLabel drawOfferInFront(RandomSource& random);
