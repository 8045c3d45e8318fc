#pragma once

#include <optional>

// The person's unit of weight, one remembered choice with the other settings: where it
// is kilograms, the plan, the progress and the command line's messages give kilograms
// first and pounds in brackets. Pounds first until the person chooses.
namespace WeightUnitSetting {

// True for kilograms, false for pounds; nothing when never chosen.
std::optional<bool> kilogramsFirst();
void remember(bool kilograms);
// Back to no choice, as on a first run.
void forget();

} // namespace WeightUnitSetting
