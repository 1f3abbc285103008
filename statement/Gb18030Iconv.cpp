#include "statement/Gb18030.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace pelmora {
namespace {

// iconv_open's failure; iconv_t is a pointer.
const auto kNoConverter = reinterpret_cast<iconv_t>( // NOLINT(performance-no-int-to-ptr)
    static_cast<std::intptr_t>(-1));
constexpr auto kFailed = static_cast<std::size_t>(-1);

class Converter {
public:
    Converter() : m_iconv(iconv_open("UTF-8", "GB18030")) {}
    ~Converter() {
        if (ready()) {
            iconv_close(m_iconv);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    Converter(Converter&&) = delete;
    Converter& operator=(Converter&&) = delete;

    [[nodiscard]] bool ready() const { return m_iconv != kNoConverter; }

    // The bytes read into UTF-8, `text` filled to `used` and grown as it fills: noise stops
    // iconv every few bytes, so nothing is done again at each stop.
    std::string decode(std::string_view bytes) {
        // Two bytes of GB18030 are three of UTF-8; four are at most four.
        std::string text(bytes.size() + bytes.size() / 2 + kReplacementCharacter.size(), '\0');
        std::size_t used = 0;
        // iconv's input is not const, though it never writes it.
        char* in = const_cast<char*>(bytes.data()); // NOLINT(cppcoreguidelines-pro-type-const-cast)
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* out = text.data() + used;
            std::size_t outLeft = text.size() - used;
            const std::size_t result = iconv(m_iconv, &in, &inLeft, &out, &outLeft);
            used = text.size() - outLeft;
            if (result != kFailed) {
                break;
            }
            if (text.size() - used < kReplacementCharacter.size() || errno == E2BIG) {
                text.resize(text.size() * 2);
                continue;
            }
            // What iconv stopped at, ill-formed, cut off or mapping to nothing, is one U+FFFD.
            text.replace(used, kReplacementCharacter.size(), kReplacementCharacter);
            used += kReplacementCharacter.size();
            const std::size_t skipped =
                std::max<std::size_t>(gb18030SequenceLength(std::string_view(in, inLeft)), 1);
            in += skipped;
            inLeft -= skipped;
        }
        text.resize(used);
        return text;
    }

private:
    iconv_t m_iconv;
};

} // namespace

std::string decodeGb18030(std::string_view bytes) {
    Converter converter;
    // A C library built without its GB18030 module still reads the statement.
    return converter.ready() ? converter.decode(bytes) : decodeGb18030ByTable(bytes);
}

} // namespace pelmora
