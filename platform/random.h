#pragma once
// The program's one pseudo-random generator, seeded once when the main window is created; the
// self tests and the quotations draw from it.
#include <QtGlobal>
#include <random>

class RandomGenerator {
public:
    void seed(quint32 value) { m_engine.seed(value); }
    // A uniform integer in 0 .. range-1 (0 when range is below 1).
    int next(int range)
    {
        if (range < 1)
            return 0;
        return std::uniform_int_distribution<int>(0, range - 1)(m_engine);
    }

private:
    std::mt19937 m_engine{5489u};
};

RandomGenerator &programRandom();
