#include "statement/DelimitedText.h"

#include "statement/StatementReader.h"

namespace pelmora {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// The length of the blank `text` starts with, 0 for none.
std::size_t blankAt(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    if (text[0] == ' ' || text[0] == '\t' || text[0] == '\r' || text[0] == '\n') {
        return 1;
    }
    if (text.starts_with(kNoBreakSpace)) {
        return kNoBreakSpace.size();
    }
    return text.starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

std::size_t blankBefore(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const char last = text.back();
    if (last == ' ' || last == '\t' || last == '\r' || last == '\n') {
        return 1;
    }
    if (text.ends_with(kNoBreakSpace)) {
        return kNoBreakSpace.size();
    }
    return text.ends_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

// The quoted text at the front of `text`, from its opening quote to its closing one, or none
// when the line holds no closing quote: a lone quote is then a character like any other.
std::size_t quotedLength(std::string_view text) {
    std::size_t at = 1;
    while (at < text.size()) {
        if (text[at] == '"') {
            if (at + 1 < text.size() && text[at + 1] == '"') {
                at += 2;
                continue;
            }
            return at + 1;
        }
        ++at;
    }
    return 0;
}

// Where the quoted part of a raw cell starts: after the blanks, and after "=" and blanks for
// Excel's text form.
std::size_t quoteStart(std::string_view raw) {
    std::size_t at = 0;
    while (at < raw.size() && raw[at] == ' ') {
        ++at;
    }
    if (at < raw.size() && raw[at] == '=') {
        ++at;
        while (at < raw.size() && raw[at] == ' ') {
            ++at;
        }
    }
    return at;
}

std::string unquoted(std::string_view quoted) {
    std::string text;
    text.reserve(quoted.size());
    for (std::size_t at = 1; at + 1 < quoted.size(); ++at) {
        text += quoted[at];
        if (quoted[at] == '"') {
            ++at; // the second of a doubled quote
        }
    }
    return text;
}

} // namespace

bool DelimitedText::nextLine(std::string_view& line) {
    if (m_at >= m_text.size()) {
        return false;
    }
    const std::size_t end = m_text.find_first_of("\r\n", m_at);
    const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
    line = m_text.substr(m_at, stop - m_at);
    m_at = stop + 1;
    if (end != std::string_view::npos && m_text[end] == '\r' && m_at < m_text.size() &&
        m_text[m_at] == '\n') {
        ++m_at;
    }
    ++m_number;
    return true;
}

std::string_view trimBlanks(std::string_view text) {
    for (std::size_t blank = blankAt(text); blank > 0; blank = blankAt(text)) {
        text.remove_prefix(blank);
    }
    for (std::size_t blank = blankBefore(text); blank > 0; blank = blankBefore(text)) {
        text.remove_suffix(blank);
    }
    return text;
}

std::string cleanCell(std::string_view raw) {
    std::string_view text = trimBlanks(raw);
    // A comma-separated file quotes Excel's form as "=""600519""": first the file's quotes, then
    // Excel's.
    std::string owned;
    if (text.size() >= 2 && text.front() == '"' && quotedLength(text) == text.size()) {
        owned = unquoted(text);
        text = trimBlanks(owned);
    }
    if (!text.empty() && text.front() == '=') {
        const std::size_t start = quoteStart(text);
        if (start < text.size() && text[start] == '"' &&
            start + quotedLength(text.substr(start)) == text.size()) {
            return std::string(trimBlanks(unquoted(text.substr(start))));
        }
    }
    return std::string(text);
}

void splitLine(std::string_view line, char separator, CellRow& row) {
    row.cells.clear();
    row.tooManyCells = false;
    std::size_t at = 0;
    while (true) {
        if (row.cells.size() == kMostFields) {
            row.tooManyCells = true;
            return;
        }
        // A separator inside a quoted cell is the cell's own.
        std::size_t end = at + quoteStart(line.substr(at));
        if (end < line.size() && line[end] == '"') {
            end += quotedLength(line.substr(end));
        }
        end = line.find(separator, end);
        const std::string_view raw =
            line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        row.cells.push_back({cleanCell(raw), false});
        if (end == std::string_view::npos) {
            return;
        }
        at = end + 1;
    }
}

} // namespace pelmora
