#pragma once

#include <QString>

class RandomSource;

// The exit screen's four requests to support the forum, one drawn per load.
namespace SupportMessages {

constexpr int kCount = 4;
// The text the exit screen shows before its first draw.
constexpr int kInitial = 1;

// The message number for a draw r with 0 <= r < 1: the integer part of r x 4, taken
// in single precision.
int indexFor(float r);

// Draws one value from the generator and gives the message number for it.
int draw(RandomSource& random);

// Message 0 to 3, naming the forum by the given address.
QString text(int index, const QString& forumAddress);

} // namespace SupportMessages
