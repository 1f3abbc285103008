#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace pelmora {

// The committed table of GB18030, made by tools/gb18030/MakeGb18030Table.cpp from glibc's iconv.

// The two-byte sequences, lead 0x81 to 0xFE and trail 0x40 to 0xFE but 0x7F, numbered lead by
// lead: each one's code point, 0 for none.
inline constexpr std::size_t kGb18030TwoByteCount = std::size_t{126} * 190;
extern const std::array<char32_t, kGb18030TwoByteCount> kGb18030TwoByte;

// The four-byte sequences of the Basic Multilingual Plane, numbered from 0x81308130 with the
// last byte counting fastest (0x30 to 0x39, then 0x81 to 0xFE, …): runs of consecutive numbers
// whose code points are consecutive too. From 0x90308130 the sequences are Unicode's other
// planes in order, which needs no table.
struct Gb18030Run {
    unsigned first = 0; // the number of the run's first sequence
    char32_t codePoint = 0;
    unsigned length = 0;
};
extern const std::span<const Gb18030Run> kGb18030FourByteRuns; // by their first numbers

} // namespace pelmora
