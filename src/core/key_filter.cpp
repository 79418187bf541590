#include "core/key_filter.h"

#include <algorithm>
#include <array>

namespace calvexa {
namespace {

constexpr int kBackspace = 8;
// Codes a number may be typed with, besides the digits 48 to 57.
constexpr std::array<int, 5> kNumberCodes = {'E', '.', '+', '-', kBackspace};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isNumberCode(int key) {
  return (key >= '0' && key <= '9') || std::find(kNumberCodes.begin(), kNumberCodes.end(), key) != kNumberCodes.end();
}

// Codes a length in feet, inches and eighths adds to those of a number.
constexpr std::array<int, 4> kLengthCodes = {' ', '/', '\'', '"'};

bool isLengthCode(int key) { return std::find(kLengthCodes.begin(), kLengthCodes.end(), key) != kLengthCodes.end(); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::size_t skipSign(std::string_view text, std::size_t i) {
  return i < text.size() && (text[i] == '+' || text[i] == '-') ? i + 1 : i;
}

// True when the whole text is a number or the first part of one: a sign,
// digits with at most one point, then, once a digit has come, "E" or "e"
// with a sign and digits.
bool startsANumber(std::string_view text) {
  std::size_t i = skipSign(text, 0);
  bool point = false;
  bool digit = false;
  for (; i < text.size(); ++i) {
    if (isDigit(text[i])) {
      digit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (i == text.size()) return true;
  if (!digit || (text[i] != 'E' && text[i] != 'e')) return false;
  i = skipSign(text, i + 1);
  while (i < text.size() && isDigit(text[i])) ++i;
  return i == text.size();
}

}  // namespace

bool NumericKeyFilter(int& key) {
  if (isNumberCode(key)) return false;
  key = 0;
  return true;
}

bool LengthKeyFilter(int& key) {
  if (isNumberCode(key) || isLengthCode(key)) return false;
  key = 0;
  return true;
}

Message improperNumberMessage() {
  return Message{"Enter a valid Number\rsuch as 1000\ror 1.45E+09", "Improper Number", Icon::Information};
}

std::optional<std::string> pastedNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  if (!startsANumber(text)) return std::nullopt;
  return std::string(text);
}

std::optional<std::string> pastedLength(std::string_view text) {
  if (std::optional<std::string> number = pastedNumber(text)) return number;
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  for (char c : text)
    if (!isNumberCode(static_cast<unsigned char>(c)) && !isLengthCode(static_cast<unsigned char>(c)))
      return std::nullopt;
  return std::string(text);
}

}  // namespace calvexa
