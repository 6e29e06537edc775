#pragma once

#include <cstdint>
#include <random>

// A uniform generator in [0, 1) that can be reseeded from the clock as often as the program likes.
// A new seed is mixed into the running state instead of replacing it, so two reseeds within one
// clock tick still give independent numbers.
class RandomGenerator
{
public:
    void randomize(double seed);
    double next();

private:
    std::mt19937_64 m_engine{0x5eedULL};
};
