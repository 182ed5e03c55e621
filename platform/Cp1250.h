#pragma once
// Conversion between the program's UTF-8 texts and the suite's Central European code page.
#include <stdexcept>
#include <string>
#include <string_view>

namespace kex {

// Thrown when a text holds a character cp1250 has no place for; we refuse rather than mangle it.
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Utf8ToCp1250(std::string_view utf8);
std::string Cp1250ToUtf8(std::string_view cp1250);

} // namespace kex
