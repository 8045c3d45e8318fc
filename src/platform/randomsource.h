#pragma once

#include <deque>
#include <random>

// The program's one random-number generator. Draws are single precision, uniform,
// at least 0 and below 1. Tests hand it a fixed sequence instead of the clock.
class RandomSource final
{
public:
    RandomSource();

    void seedFromClock();
    float next();

    // The next draws return these values, in order, before the generator resumes.
    void setSequence(std::deque<float> values) { m_fixed = std::move(values); }

private:
    std::mt19937 m_engine;
    std::deque<float> m_fixed;
};
