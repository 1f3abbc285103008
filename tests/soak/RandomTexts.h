#pragma once

#include <QString>
#include <random>

namespace pelmora {

// What a hurried or careless user might type into a field: ordinary prices and quantities most
// of the time, and now and then nothing, blanks, garbage, full-width digits, huge or tiny
// numbers and exponents.
class RandomTexts {
public:
    explicit RandomTexts(std::uint64_t seed) : m_random(seed) {}

    QString next();
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

private:
    std::mt19937_64 m_random;
};

} // namespace pelmora
