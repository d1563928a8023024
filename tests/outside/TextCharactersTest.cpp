// The one pass over a file's characters: its UTF-8 check against a byte-by-byte reference.

#include "tavo/outside/TextCharacters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t kValid = std::string_view::npos;

// Byte by byte, through the code point: what the scan's eight-byte steps must agree with.
std::size_t ReferenceFirstInvalid(std::string_view text)
{
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
    if (n == 0 || i + n > text.size())
      return i;
    char32_t code = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80)
        return i;
      code = code << 6 | (next & 0x3F);
    }
    if (code < least[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return i;
    i += n;
  }
  return kValid;
}

// Each sequence stands at every offset of two eight-byte steps, with and without text after it,
// alone and before every other sequence.
TEST(TextCharacters, Utf8CheckAgreesWithTheReferenceAcrossItsEightByteSteps)
{
  const struct {
    const char* bytes;
    bool valid;
  } rows[] = {
      {"\xC2\x80", true},           // U+0080, the first pair
      {"\xC3\xA9", true},           // é
      {"\xE2\x82\xAC", true},       // €
      {"\xED\x9F\xBF", true},       // U+D7FF, below the surrogates
      {"\xEE\x80\x80", true},       // U+E000, above them
      {"\xEF\xBF\xBF", true},       // U+FFFF
      {"\xF0\x9D\x84\x9E", true},   // a clef, four bytes
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF, the last
      {"\x80", false},              // a stray continuation byte
      {"\xC3", false},              // pair cut short
      {"\xE2\x82", false},          // triple cut short
      {"\xF0\x9D\x84", false},      // quadruple cut short
      {"\xC3\xC3\xA9", false},      // a lead where a continuation belongs
      {"\xC0\x80", false},          // overlong pairs
      {"\xC1\xBF", false},          //
      {"\xE0\x9F\xBF", false},      // overlong triple
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF0\x8F\xBF\xBF", false},  // overlong quadruple
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"\xF5\x80\x80\x80", false},  // a lead that no code point has
      {"\xFF", false},              //
  };
  for (const auto& row : rows) {
    for (std::size_t offset = 0; offset <= 16; ++offset) {
      for (const std::size_t tail : {0, 9}) {
        const std::string text = std::string(offset, 'a') + row.bytes + std::string(tail, 'b');
        EXPECT_EQ(ScanTextCharacters(text).invalidUtf8, row.valid ? kValid : offset) << offset << " " << row.bytes;
        for (const auto& other : rows) {
          const std::string pair = text + other.bytes;
          ASSERT_EQ(ScanTextCharacters(pair).invalidUtf8, ReferenceFirstInvalid(pair))
              << offset << " " << row.bytes << other.bytes;
        }
      }
    }
  }
}

}  // namespace
