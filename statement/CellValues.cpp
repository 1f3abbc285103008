#include "statement/CellValues.h"

#include "numbers/NumberGrammar.h"
#include "statement/DelimitedText.h"

namespace pelmora {
namespace {

// Excel's digits.
constexpr std::size_t kExcelDigits = 15;
// Past this many zeros a number is written with an exponent, never in full.
constexpr std::int64_t kMostZerosWritten = 40;
constexpr std::int64_t kSecondsPerDay = 86400;

bool isWholeOfDigits(std::string_view text, std::size_t count) {
    return text.size() == count && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string_view firstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

std::optional<int> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// 2024/3/5 and 2024-3-5 as the journal writes dates, for readDate to check.
std::optional<TradeDate> separatedDate(std::string_view text, char separator) {
    const std::size_t first = text.find(separator);
    const std::size_t second = text.find(separator, first + 1);
    if (first != 4 || second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto month = smallNumber(text.substr(first + 1, second - first - 1));
    const auto day = smallNumber(text.substr(second + 1));
    if (!month || !day || *month > 12 || *day > 31) {
        return std::nullopt;
    }
    std::string written(text.substr(0, 4));
    for (const int part : {*month, *day}) {
        written += {'-', static_cast<char>('0' + part / 10), static_cast<char>('0' + part % 10)};
    }
    return readDate(written);
}

std::optional<TradeDate> textDate(std::string_view text) {
    if (const auto date = readDate(text)) {
        return date;
    }
    return text.find('/') != std::string_view::npos ? separatedDate(text, '/')
                                                    : separatedDate(text, '-');
}

std::optional<TradeDate> serialDate(const Decimal& serial, Serials serials) {
    const std::optional<Decimal> whole = serial.rounded(0, Rounding::Down);
    const std::optional<std::int64_t> day = whole ? whole->toWhole() : std::nullopt;
    // Excel's 1900 counts a 29 February 1900 that never was, as day 60; days after it are one
    // more than the calendar's. Day 2958465 is 9999-12-31.
    const std::int64_t first = serials == Serials::From1904 ? 0 : 1;
    if (!day || *day < first || *day > 2958465 || (serials == Serials::From1900 && *day == 60)) {
        return std::nullopt;
    }
    using namespace std::chrono;
    const sys_days zero = serials == Serials::From1904 ? sys_days(year{1904} / January / 1)
                          : *day > 60                  ? sys_days(year{1899} / December / 30)
                                                       : sys_days(year{1899} / December / 31);
    return year_month_day(zero + days(*day));
}

std::optional<TradeTime> fractionTime(const Decimal& serial) {
    const std::optional<Decimal> whole = serial.rounded(0, Rounding::Down);
    const std::optional<Decimal> fraction = whole ? serial.minus(*whole) : std::nullopt;
    const std::optional<Decimal> seconds =
        fraction ? fraction->times(Decimal::whole(kSecondsPerDay)) : std::nullopt;
    const std::optional<Decimal> rounded =
        seconds ? seconds->rounded(0, Rounding::HalfAwayFromZero) : std::nullopt;
    const std::optional<std::int64_t> count = rounded ? rounded->toWhole() : std::nullopt;
    if (!count || serial.sign() < 0) {
        return std::nullopt;
    }
    // A time that rounds up to midnight stays within its day.
    return TradeTime{std::min(*count, kSecondsPerDay - 1)};
}

std::optional<TradeTime> textTime(std::string_view text) {
    if (text.size() == 6 && text.find(':') == std::string_view::npos) {
        const std::string written{text[0], text[1], ':', text[2], text[3], ':', text[4], text[5]};
        return readTime(written);
    }
    // 9:30:15 as 09:30:15.
    if (text.size() >= 4 && text[1] == ':') {
        // Inserted rather than added: GCC 12 at -O3 warns of an overlapping copy in "0" + text.
        std::string padded(text);
        padded.insert(padded.begin(), '0');
        return readTime(padded);
    }
    return readTime(text);
}

// The digits rounded half away from zero to Excel's 15, carrying into a new leading digit where
// they were all nines; the exponent follows.
void roundToExcelDigits(WrittenNumber& number) {
    if (number.digits.size() <= kExcelDigits) {
        return;
    }
    const bool up = number.digits[kExcelDigits] >= '5';
    number.exponent += static_cast<std::int64_t>(number.digits.size() - kExcelDigits);
    number.digits.resize(kExcelDigits);
    std::size_t at = kExcelDigits;
    while (up && at > 0 && number.digits[at - 1] == '9') {
        number.digits[--at] = '0';
    }
    if (up && at == 0) {
        number.digits.insert(number.digits.begin(), '1');
    } else if (up) {
        ++number.digits[at - 1];
    }
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
        ++number.exponent;
    }
}

} // namespace

std::optional<TradeDate> cellDate(const Cell& cell, Serials serials) {
    // A workbook's 20240305 is a date written as a number: no serial reaches eight digits.
    if (cell.number && serials != Serials::None && !isWholeOfDigits(cell.text, 8)) {
        const std::optional<Decimal> serial = Decimal::fromText(cell.text);
        return serial ? serialDate(*serial, serials) : std::nullopt;
    }
    return textDate(firstWord(cell.text));
}

std::optional<TradeTime> timeInDateCell(const Cell& cell) {
    const std::size_t blank = cell.text.find(' ');
    if (cell.number || blank == std::string::npos) {
        return std::nullopt;
    }
    return textTime(trimBlanks(std::string_view(cell.text).substr(blank)));
}

std::optional<TradeTime> cellTime(const Cell& cell, Serials serials) {
    if (!cell.number || serials == Serials::None) {
        return textTime(cell.text);
    }
    // A whole number is 093015 written as a number, its leading zero lost; anything else is a
    // day's fraction, or a serial day with its time.
    if (isWholeOfDigits(cell.text, 5) || isWholeOfDigits(cell.text, 6)) {
        return textTime(std::string(6 - cell.text.size(), '0') + cell.text);
    }
    const std::optional<Decimal> serial = Decimal::fromText(cell.text);
    return serial ? fractionTime(*serial) : std::nullopt;
}

CellNumber cellNumber(std::string_view text, Decimal& value) {
    if (text.empty() || text == "-" || text == "--" || text == "\xE2\x80\x94") {
        return CellNumber::Empty;
    }
    const std::optional<Decimal> read = Decimal::fromText(text);
    if (!read) {
        return CellNumber::Unreadable;
    }
    value = *read;
    return CellNumber::Read;
}

int shownDecimals(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        return 0;
    }
    int decimals = 0;
    for (std::size_t at = point + 1; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        ++decimals;
    }
    return decimals;
}

std::optional<std::string> excelNumberText(std::string_view text) {
    std::optional<WrittenNumber> number = ReadWrittenNumber(text);
    if (!number) {
        return std::nullopt;
    }
    if (number->digits.empty()) {
        return "0";
    }
    roundToExcelDigits(*number);
    const std::string sign = number->negative ? "-" : "";
    const auto count = static_cast<std::int64_t>(number->digits.size());
    const std::int64_t point = count + number->exponent; // digits before the decimal point
    if (point > count + kMostZerosWritten || point < -kMostZerosWritten) {
        return sign + number->digits + "E" + std::to_string(number->exponent);
    }
    if (point >= count) {
        return sign + number->digits + std::string(static_cast<std::size_t>(point - count), '0');
    }
    if (point > 0) {
        const auto whole = static_cast<std::size_t>(point);
        return sign + number->digits.substr(0, whole) + "." + number->digits.substr(whole);
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-point), '0') + number->digits;
}

} // namespace pelmora
