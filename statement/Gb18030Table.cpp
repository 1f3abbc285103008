#include "statement/Gb18030.h"
#include "statement/Gb18030TableData.h"

#include <algorithm>
#include <optional>

namespace pelmora {
namespace {

constexpr unsigned kLeadFirst = 0x81;
constexpr unsigned kTrailsPerLead = 190;
constexpr unsigned kFourBytesPerLead = 12600;
// The number of 0x90308130, the first four-byte sequence of Unicode's other planes.
constexpr unsigned kSupplementaryFirst = 189000;
constexpr char32_t kLastCodePoint = 0x10FFFF;

unsigned byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

bool isLead(unsigned byte) {
    return byte >= kLeadFirst && byte <= 0xFE;
}
bool isTrail(unsigned byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}
bool isFourByteDigit(unsigned byte) {
    return byte >= 0x30 && byte <= 0x39;
}

std::optional<char32_t> twoByteCodePoint(unsigned lead, unsigned trail) {
    const unsigned number =
        (lead - kLeadFirst) * kTrailsPerLead + trail - (trail < 0x7F ? 0x40 : 0x41);
    const char32_t point = kGb18030TwoByte.at(number);
    return point == 0 ? std::nullopt : std::optional(point);
}

std::optional<char32_t> fourByteCodePoint(std::string_view bytes) {
    const unsigned number = (byteAt(bytes, 0) - kLeadFirst) * kFourBytesPerLead +
                            (byteAt(bytes, 1) - 0x30) * 1260 +
                            (byteAt(bytes, 2) - kLeadFirst) * 10 + (byteAt(bytes, 3) - 0x30);
    if (number >= kSupplementaryFirst) {
        const char32_t point = 0x10000 + (number - kSupplementaryFirst);
        return point <= kLastCodePoint ? std::optional(point) : std::nullopt;
    }
    const auto after =
        std::upper_bound(kGb18030FourByteRuns.begin(), kGb18030FourByteRuns.end(), number,
                         [](unsigned wanted, const Gb18030Run& run) { return wanted < run.first; });
    if (after == kGb18030FourByteRuns.begin()) {
        return std::nullopt;
    }
    const Gb18030Run& run = *(after - 1);
    return number < run.first + run.length ? std::optional(run.codePoint + (number - run.first))
                                           : std::nullopt;
}

} // namespace

std::size_t gb18030SequenceLength(std::string_view bytes) {
    if (bytes.empty()) {
        return 0;
    }
    const unsigned first = byteAt(bytes, 0);
    if (first < 0x80) {
        return 1;
    }
    if (!isLead(first) || bytes.size() < 2) {
        return 0;
    }
    if (isTrail(byteAt(bytes, 1))) {
        return 2;
    }
    const bool fourBytes = bytes.size() >= 4 && isFourByteDigit(byteAt(bytes, 1)) &&
                           isLead(byteAt(bytes, 2)) && isFourByteDigit(byteAt(bytes, 3));
    return fourBytes ? 4 : 0;
}

void appendUtf8(std::string& text, char32_t codePoint) {
    const auto unit = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80) {
        text += unit(codePoint);
    } else if (codePoint < 0x800) {
        text += unit(0xC0 | codePoint >> 6U);
        text += unit(0x80 | (codePoint & 0x3FU));
    } else if (codePoint < 0x10000) {
        text += unit(0xE0 | codePoint >> 12U);
        text += unit(0x80 | (codePoint >> 6U & 0x3FU));
        text += unit(0x80 | (codePoint & 0x3FU));
    } else {
        text += unit(0xF0 | codePoint >> 18U);
        text += unit(0x80 | (codePoint >> 12U & 0x3FU));
        text += unit(0x80 | (codePoint >> 6U & 0x3FU));
        text += unit(0x80 | (codePoint & 0x3FU));
    }
}

std::string decodeGb18030ByTable(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::string_view rest = bytes.substr(at);
        const std::size_t length = gb18030SequenceLength(rest);
        std::optional<char32_t> point;
        if (length == 1) {
            point = byteAt(rest, 0);
        } else if (length == 2) {
            point = twoByteCodePoint(byteAt(rest, 0), byteAt(rest, 1));
        } else if (length == 4) {
            point = fourByteCodePoint(rest);
        }
        if (point) {
            appendUtf8(text, *point);
        } else {
            text += kReplacementCharacter;
        }
        at += std::max<std::size_t>(length, 1);
    }
    return text;
}

} // namespace pelmora
