// GB18030 is read as glibc's iconv reads it, the committed table too (it is what Windows reads
// with), and a character cut off is one U+FFFD that leaves the tab after it a tab.
#include "statement/Gb18030.h"

#include "statement/StatementText.h"

#include <gtest/gtest.h>
#include <string>

namespace pelmora::test {
namespace {

const std::string kBad(kReplacementCharacter);

// Every sequence of one, two and four bytes, each between two tabs so that what a sequence
// swallows or leaves shows.
TEST(Gb18030, TheTableReadsEverySequenceAsTheSystemDoes) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows reads by the table itself";
#else
    std::string all;
    for (unsigned first = 0x01; first <= 0xFF; ++first) {
        all += static_cast<char>(first);
        all += '\t';
        for (unsigned second = 0x30; second <= 0xFF && first >= 0x81; ++second) {
            all += {static_cast<char>(first), static_cast<char>(second), '\t'};
        }
    }
    EXPECT_EQ(decodeGb18030ByTable(all), decodeGb18030(all));
    for (unsigned first = 0x81; first <= 0xFE; ++first) {
        std::string fours;
        for (unsigned second = 0x30; second <= 0x39; ++second) {
            for (unsigned third = 0x81; third <= 0xFE; ++third) {
                for (unsigned fourth = 0x30; fourth <= 0x39; ++fourth) {
                    fours += {static_cast<char>(first), static_cast<char>(second),
                              static_cast<char>(third), static_cast<char>(fourth)};
                }
            }
        }
        ASSERT_EQ(decodeGb18030ByTable(fours), decodeGb18030(fours)) << first;
    }
#endif
}

struct TextCase {
    std::string bytes;
    std::string text;
    StatementEncoding encoding;
};

TEST(Gb18030, TextIsUtf8OnlyWhenAllOfItIs) {
    using enum StatementEncoding;
    const TextCase kCases[] = {
        {"600519\t\xE8\xB4\xB5\xE5\xB7\x9E", "600519\t贵州", Utf8},
        {"\xEF\xBB\xBF\xE8\xB4\xB5", "贵", Utf8},
        {"\xE8\xB4\xB5\xE5\xB7", "贵" + kBad, Utf8}, // cut off at the file's end
        {"\xB9\xF3\xD6\xDD", "贵州", Gb18030},
        {"\xB9\xF3\xD6\t1", "贵" + kBad + "\t1", Gb18030}, // cut at a field's end
        {"\xB9\xF3\xD6", "贵" + kBad, Gb18030},            // and at the file's end
        {"\xB9\xF3\xD6\r\n", "贵" + kBad + "\r\n", Gb18030},
        {"\x81\x30\x81\x30\xB9\xF3", "\xC2\x80贵", Gb18030},
        {"\x90\x30\x81\x30\xB9\xF3", "\xF0\x90\x80\x80贵", Gb18030},
        {"\x84\x31\xA5\x30\xB9\xF3", kBad + "贵", Gb18030}, // four bytes of no character
        {"\x80\xB9\xF3", kBad + "贵", Gb18030},
        {"\x84\x31\x95\x33\xB9\xF3", "贵", Gb18030}, // GB18030's own byte-order mark
        // UTF-8 cut inside the file is no UTF-8 file.
        {"\xE8\xB4\t\xE5\xB7\x9E", "璐\t宸" + kBad, Gb18030},
    };
    for (const TextCase& c : kCases) {
        EXPECT_EQ(encodingOf(c.bytes), c.encoding) << c.text;
        EXPECT_EQ(decodedText(c.bytes, c.encoding), c.text);
    }
}

} // namespace
} // namespace pelmora::test
