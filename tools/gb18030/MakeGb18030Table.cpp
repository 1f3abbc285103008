// Writes statement/Gb18030TableData.cpp: what every GB18030 sequence of two and four bytes is in
// Unicode, as glibc's iconv reads it. Windows has its own converter for GB18030 (code page
// 54936), but Wine has none, and code page 936 knows none of the four-byte sequences, so the
// Windows program reads GB18030 from this table and reads it as Linux does; a test on Linux
// holds the table to iconv, sequence by sequence.
//   pelmora-gb18030-table OUTPUT_FILE
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The sequences the table covers, and how they are numbered; statement/Gb18030Table.cpp reads
// the table by the same numbers.
constexpr unsigned kLeadFirst = 0x81;
constexpr unsigned kLeadCount = 126;             // 0x81 to 0xFE
constexpr unsigned kTrailCount = 190;            // 0x40 to 0xFE but 0x7F
constexpr unsigned kFourByteBmpCount = 39420;    // 0x81308130 to 0x8431A439
constexpr unsigned kSupplementaryFirst = 189000; // the number of 0x90308130
constexpr unsigned kFourByteCount = kLeadCount * 12600;

class Converter {
public:
    Converter() : m_iconv(iconv_open("UTF-32LE", "GB18030")) {}
    Converter(Converter&&) = delete;
    Converter& operator=(Converter&&) = delete;
    ~Converter() { iconv_close(m_iconv); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    // iconv_open's failure is the pointer of all ones.
    [[nodiscard]] bool ready() const {
        return reinterpret_cast<std::intptr_t>(m_iconv) != -1; // NOLINT(performance-no-int-to-ptr)
    }

    // The one code point the bytes are, or none.
    std::optional<char32_t> codePoint(const std::string& bytes) {
        std::string in = bytes;
        std::array<char, 16> out{};
        char* inAt = in.data();
        std::size_t inLeft = in.size();
        char* outAt = out.data();
        std::size_t outLeft = out.size();
        iconv(m_iconv, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_iconv, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || out.size() - outLeft != 4) {
            return std::nullopt;
        }
        const auto byte = [&](std::size_t at) {
            return static_cast<char32_t>(static_cast<unsigned char>(out.at(at)));
        };
        return byte(0) | byte(1) << 8U | byte(2) << 16U | byte(3) << 24U;
    }

private:
    iconv_t m_iconv;
};

std::string twoBytes(unsigned number) {
    const unsigned trail = number % kTrailCount;
    return {static_cast<char>(kLeadFirst + number / kTrailCount),
            static_cast<char>(trail < 0x3F ? 0x40 + trail : 0x41 + trail)};
}

std::string fourBytes(unsigned number) {
    return {static_cast<char>(kLeadFirst + number / 12600),
            static_cast<char>(0x30 + number / 1260 % 10),
            static_cast<char>(kLeadFirst + number / 10 % 126),
            static_cast<char>(0x30 + number % 10)};
}

struct Run {
    unsigned first = 0;
    char32_t codePoint = 0;
    unsigned length = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pelmora-gb18030-table OUTPUT_FILE\n";
        return 2;
    }
    Converter converter;
    if (!converter.ready()) {
        std::cerr << "iconv has no GB18030\n";
        return 1;
    }
    std::vector<char32_t> twoByte;
    twoByte.reserve(std::size_t{kLeadCount} * kTrailCount);
    for (unsigned number = 0; number < kLeadCount * kTrailCount; ++number) {
        twoByte.push_back(converter.codePoint(twoBytes(number)).value_or(0));
    }
    std::vector<Run> runs;
    for (unsigned number = 0; number < kFourByteBmpCount; ++number) {
        const std::optional<char32_t> point = converter.codePoint(fourBytes(number));
        if (!point) {
            continue;
        }
        if (!runs.empty() && runs.back().first + runs.back().length == number &&
            runs.back().codePoint + runs.back().length == *point) {
            ++runs.back().length;
        } else {
            runs.push_back({number, *point, 1});
        }
    }
    // The rest of the four-byte sequences: Unicode's other planes in order from 0x90308130, and
    // nothing elsewhere. The table relies on it, so it is checked rather than assumed.
    for (unsigned number = kFourByteBmpCount; number < kFourByteCount; ++number) {
        const std::optional<char32_t> point = converter.codePoint(fourBytes(number));
        const unsigned plane = number - kSupplementaryFirst;
        const bool supplementary = number >= kSupplementaryFirst && plane <= 0xFFFFF;
        if (supplementary ? point != 0x10000 + plane : point.has_value()) {
            std::cerr << "four bytes numbered " << number << " are not as the table has them\n";
            return 1;
        }
    }

    std::ofstream out(argv[1]);
    out << "// Made by tools/gb18030/MakeGb18030Table.cpp from glibc's iconv; not to be edited.\n"
           "#include \"statement/Gb18030TableData.h\"\n\nnamespace pelmora {\n\n"
           "// clang-format off\n"
           "const std::array<char32_t, kGb18030TwoByteCount> kGb18030TwoByte = {\n";
    for (std::size_t at = 0; at < twoByte.size(); ++at) {
        std::array<char, 16> text{};
        std::snprintf(text.data(), text.size(), "0x%X,", static_cast<unsigned>(twoByte[at]));
        out << (at % 10 == 0 ? "    " : " ") << text.data() << (at % 10 == 9 ? "\n" : "");
    }
    out << "\n};\n\nnamespace {\nconstexpr auto kRuns = std::to_array<Gb18030Run>({\n";
    for (const Run& run : runs) {
        std::array<char, 48> text{};
        std::snprintf(text.data(), text.size(), "    {%u, 0x%X, %u},\n", run.first,
                      static_cast<unsigned>(run.codePoint), run.length);
        out << text.data();
    }
    out << "});\n} // namespace\n// clang-format on\n\n"
           "const std::span<const Gb18030Run> kGb18030FourByteRuns = kRuns;\n\n"
           "} // namespace pelmora\n";
    std::cout << twoByte.size() << " two-byte sequences, " << runs.size() << " runs of four\n";
    return out ? 0 : 1;
}
