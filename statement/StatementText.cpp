#include "statement/StatementText.h"

#include "statement/Gb18030.h"

namespace pelmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence `bytes` starts with, once its leading byte is known good and
// no overlong form, surrogate or code point past U+10FFFF is let through; 0 where it is none.
// `cutOff` is set where the sequence would be well-formed but the bytes end first.
std::size_t utf8SequenceLength(std::string_view bytes, bool& cutOff) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned first = byte(0);
    if (first < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned low = 0x80; // the second byte's bounds, which rule out the forms not allowed
    unsigned high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : low;
        high = first == 0xED ? 0x9F : high;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : low;
        high = first == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    for (std::size_t at = 1; at < length; ++at) {
        if (at == bytes.size()) {
            cutOff = true;
            return 0;
        }
        const unsigned next = byte(at);
        if (next < (at == 1 ? low : 0x80) || next > (at == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

// Whether the bytes are UTF-8 but perhaps for a character cut off at their end; `end` is where
// that character starts, or the end.
bool isUtf8(std::string_view bytes, std::size_t& end) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        bool cutOff = false;
        const std::size_t length = utf8SequenceLength(bytes.substr(at), cutOff);
        if (length == 0) {
            end = at;
            return cutOff;
        }
        at += length;
    }
    end = at;
    return true;
}

} // namespace

StatementEncoding encodingOf(std::string_view bytes) {
    std::size_t end = 0;
    return isUtf8(bytes, end) ? StatementEncoding::Utf8 : StatementEncoding::Gb18030;
}

std::string decodedText(std::string_view bytes, StatementEncoding encoding) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (encoding == StatementEncoding::Utf8) {
        std::size_t end = 0;
        isUtf8(bytes, end);
        std::string text(bytes.substr(0, end));
        if (end < bytes.size()) {
            text += kReplacementCharacter;
        }
        return text;
    }
    std::string text = decodeGb18030(bytes);
    // GB18030's own byte-order mark, 84 31 95 33, reads as U+FEFF.
    if (text.starts_with(kByteOrderMark)) {
        text.erase(0, kByteOrderMark.size());
    }
    return text;
}

} // namespace pelmora
