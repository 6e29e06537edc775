#include "randomgenerator.h"

#include <bit>

void RandomGenerator::randomize(double seed)
{
    const auto bits = std::bit_cast<std::uint64_t>(seed);
    const std::uint64_t carried = m_engine();
    std::seed_seq sequence{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                           static_cast<std::uint32_t>(carried), static_cast<std::uint32_t>(carried >> 32)};
    m_engine.seed(sequence);
}

double RandomGenerator::next()
{
    // 53 random bits give every double in [0, 1) on the grid of 2^-53, never 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}
