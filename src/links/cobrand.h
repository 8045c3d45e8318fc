#pragma once

class QWidget;
class RandomSource;

// Which of the main window's two overlapping offer labels lies in front.
enum class OfferLabel { CoBrand, FullBrand };

// The draw of one start: floor(r x 6) + 1 in single precision, 1 to 6.
int coBrandNumber(float r);

// 1, 3 and 5 put the co-branding offer in front; 2, 4 and 6 the full-branding one.
OfferLabel offerInFront(int number);

// Draws once from the generator, brings the chosen label to the front and gives
// the number drawn.
int CoBrand_Randomize(RandomSource& random, QWidget* lblCobrand, QWidget* lblFullBrand);
