#include "core/Values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <vector>

namespace kex {

// The rounding rule hands a product over from the x87 80-bit format to a double; amounts would
// round differently with any other long double.
static_assert(std::numeric_limits<long double>::digits == 64, "RoundTo needs the x86 80-bit extended format");

namespace {

// ---- UTF-8 ----

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Byte length of the character that starts at pos. A byte that does not start a complete sequence
// counts as a character of its own, so no text is ever cut inside a valid character.
std::size_t charLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[pos + i])))
            return 1;
    return length;
}

std::vector<std::string_view> splitChars(std::string_view text)
{
    std::vector<std::string_view> chars;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = charLength(text, pos);
        chars.push_back(text.substr(pos, length));
        pos += length;
    }
    return chars;
}

// Code point of one character from splitChars; a lone invalid byte has none.
bool decode(std::string_view ch, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(ch[i])); };
    switch (ch.size()) {
    case 1:
        code = byte(0);
        return code < 0x80;
    case 2:
        code = (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
        return true;
    case 3:
        code = (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        return code >= 0x800;
    default:
        code = (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
        return code >= 0x10000 && code <= 0x10FFFF;
    }
}

std::string encode(char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        throw std::invalid_argument("not a Unicode character: " + std::to_string(static_cast<unsigned long>(c)));
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Simple upper case for ASCII, Latin-1 and Latin Extended-A, the letters of the suite's languages.
char32_t upperCase(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c == 0x131)
        return 'I';
    if (c == 0x17F)
        return 'S';
    const bool oddIsLower = (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    if (oddIsLower && c % 2 == 1)
        return c - 1;
    const bool evenIsLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (evenIsLower && c % 2 == 0)
        return c - 1;
    return c;
}

std::string join(const std::vector<std::string_view>& chars, std::size_t from, std::size_t count)
{
    std::string out;
    for (std::size_t i = from; i < chars.size() && i < from + count; ++i)
        out += chars[i];
    return out;
}

// ---- Numbers ----

std::string generalText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    char buffer[64];
    const int written = std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    std::string_view scientific(buffer, static_cast<std::size_t>(written));
    const bool negative = scientific.front() == '-';
    if (negative)
        scientific.remove_prefix(1);
    const std::size_t ePos = scientific.find('e');
    std::string digits(1, scientific[0]);
    digits.append(scientific.substr(2, ePos - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string_view exponentText = scientific.substr(ePos + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += '.';
            out.append(digits, integerDigits);
        }
    }
    return out;
}

std::string checkedAmountText(long double amount)
{
    if (!std::isfinite(amount))
        throw std::invalid_argument("amount is not a finite number: " + generalText(amount));
    return generalText(amount);
}

std::string quoted(std::string_view text)
{
    std::string out(1, '\'');
    out += text;
    out += '\'';
    return out;
}

std::string twoDigits(int value)
{
    std::string out(value < 10 ? 1 : 0, '0');
    out += std::to_string(value);
    return out;
}

std::string fourDigits(int value)
{
    const std::string text = std::to_string(value);
    std::string out(text.size() < 4 ? 4 - text.size() : 0, '0');
    out += text;
    return out;
}

} // namespace

std::string ExpandAccount(std::string_view tmpl, std::string_view centre, std::string_view structure,
                          std::string_view vatRate)
{
    const std::vector<std::string_view> chars = splitChars(tmpl);
    const std::size_t n = chars.size();
    const auto is = [&](std::size_t i, char letter) {
        return chars[i].size() == 1 && (chars[i][0] == letter || chars[i][0] == letter + ('a' - 'A'));
    };
    const auto endsWith3 = [&](char l) { return n >= 3 && is(n - 3, l) && is(n - 2, l) && is(n - 1, l); };
    const auto endsWith2 = [&](char l) { return n >= 2 && is(n - 2, l) && is(n - 1, l); };
    const auto at5and6 = [&](char l) { return n >= 6 && is(4, l) && is(5, l); };

    const struct {
        char letter;
        std::string_view value;
    } placeholders[] = {{'X', centre}, {'D', vatRate}, {'Y', structure}};
    for (const auto& p : placeholders) {
        if (endsWith3(p.letter))
            return join(chars, 0, 4) + std::string(p.value);
        if (endsWith2(p.letter))
            return join(chars, 0, 5) + std::string(p.value);
        if (at5and6(p.letter))
            return join(chars, 0, 4) + std::string(p.value) + join(chars, 6, 1);
    }
    return std::string(tmpl);
}

std::string DateYMD(const DateTime& value)
{
    return std::to_string(value.year) + "-" + std::to_string(value.month) + "-" + std::to_string(value.day);
}

std::string DateYYYYMMDD(const DateTime& value)
{
    return fourDigits(value.year) + twoDigits(value.month) + twoDigits(value.day);
}

std::string DateTimeYMD(const DateTime& value)
{
    return DateYMD(value) + " " + std::to_string(value.hour) + ":" + twoDigits(value.minute) + ":"
           + twoDigits(value.second);
}

std::string FormatStamp(const DateTime& value)
{
    return fourDigits(value.year) + "-" + twoDigits(value.month) + "-" + twoDigits(value.day) + " "
           + twoDigits(value.hour) + ":" + twoDigits(value.minute) + ":" + twoDigits(value.second);
}

double RoundHalfAway(double x)
{
    // In extended precision x ± 0.5 is exact for every double that can still have a fraction.
    const long double shifted = x >= 0 ? x + 0.5L : x - 0.5L;
    return static_cast<double>(std::trunc(shifted));
}

double RoundTo(int n, double x)
{
    const long double power = std::pow(10.0L, n);
    const auto product = static_cast<double>(power * static_cast<long double>(x));
    return RoundHalfAway(product) / static_cast<double>(power);
}

std::string LeftText(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    return join(splitChars(text), 0, static_cast<std::size_t>(n));
}

std::string RightText(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    const std::vector<std::string_view> chars = splitChars(text);
    const auto count = static_cast<std::size_t>(n);
    return chars.size() <= count ? std::string(text) : join(chars, chars.size() - count, count);
}

std::string PadLeft(std::string_view text, char32_t c, int width)
{
    const std::string pad = encode(c);
    std::string out;
    for (int length = TextLength(text); length < width; ++length)
        out += pad;
    return out + std::string(text);
}

std::string ReplaceChar(std::string_view text, char32_t c, std::string_view replacement)
{
    const std::string target = encode(c);
    std::string out;
    for (const std::string_view ch : splitChars(text)) {
        if (ch == target)
            out += replacement;
        else
            out += ch;
    }
    return out;
}

bool ContainsText(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

int TextLength(std::string_view utf8)
{
    return static_cast<int>(splitChars(utf8).size());
}

std::string UpperText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (const std::string_view ch : splitChars(utf8)) {
        char32_t code = 0;
        if (decode(ch, code))
            out += encode(upperCase(code));
        else
            out += ch;
    }
    return out;
}

std::string FloatToText(double value)
{
    return generalText(value);
}

std::string ExtendedToText(long double value)
{
    return generalText(value);
}

double TextToFloat(std::string_view text)
{
    if (text.empty())
        return 0;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        throw std::invalid_argument("not a number: '" + std::string(text) + "'");
    return value;
}

std::string NumericFieldText(std::string_view serverText)
{
    return serverText.empty() ? std::string() : FloatToText(TextToFloat(serverText));
}

// The general text always has "." as decimal point, whatever the workstation's locale, so the
// server reads "0" + text as one number (or as 0 minus the number).
std::string AmountLiteral(double amount)
{
    return ExtendedAmountLiteral(amount);
}

std::string ExtendedAmountLiteral(long double amount)
{
    std::string out(1, '0');
    out += checkedAmountText(amount);
    return out;
}

std::string HeaderAmountLiteral(double amount)
{
    return checkedAmountText(amount);
}

std::string TextLiteral(std::string_view text)
{
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'')
            out += "''";
        else if (c == '\\')
            out += "\\\\";
        else if (c == '\0')
            out += "\\0";
        else
            out += c;
    }
    return out + "'";
}

std::string DateLiteral(const DateTime& value)
{
    return quoted(DateYMD(value));
}

std::string StampLiteral(const DateTime& value)
{
    return quoted(DateTimeYMD(value));
}

std::string IntLiteral(long long value)
{
    return std::to_string(value);
}

} // namespace kex
