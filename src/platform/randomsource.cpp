#include "platform/randomsource.h"

#include <chrono>

RandomSource::RandomSource()
{
    seedFromClock();
}

void RandomSource::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float RandomSource::next()
{
    if (!m_fixed.empty()) {
        const float value = m_fixed.front();
        m_fixed.pop_front();
        return value;
    }
    // 24 random bits fill a float's mantissa exactly, so the value is below 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}
