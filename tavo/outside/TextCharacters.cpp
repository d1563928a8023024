// A material file is mostly ASCII without control characters: such stretches are passed eight
// bytes at a time, and only line breaks, other control characters and multi-byte sequences are
// looked at one by one.

#include "tavo/outside/TextCharacters.h"

#include "tavo/text/Utf8.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// True when none of the eight bytes at `bytes` is below 0x20 or has its high bit set.
bool IsPlainWord(const unsigned char* bytes)
{
  constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  const std::uint64_t below20 = (word - 0x20 * kOnes) & ~word & kHigh;
  return ((word & kHigh) | below20) == 0;
}

TextFault ControlCharacter(std::size_t offset, unsigned char c)
{
  static const char kHex[] = "0123456789ABCDEF";
  return {offset, std::string("the control character U+00") + kHex[c >> 4] + kHex[c & 15] + " is not allowed in XML"};
}

}  // namespace

TextCharacters ScanTextCharacters(std::string_view text)
{
  TextCharacters found;
  found.lineStarts.push_back(0);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    if (i + 8 <= size && IsPlainWord(bytes + i)) {
      i += 8;
      continue;
    }
    const unsigned char c = bytes[i];
    if (c < 0x80) {
      if (c == '\n')
        found.lineStarts.push_back(i + 1);
      else if (c < 0x20 && c != '\t' && c != '\r' && !found.forbidden) {
        found.forbidden = ControlCharacter(i, c);
        found.forbiddenLength = 1;
      }
      ++i;
      continue;
    }
    const std::size_t length = found.invalidUtf8 == std::string_view::npos ? Utf8SequenceLength(text, i) : 0;
    if (length == 0) {
      if (found.invalidUtf8 == std::string_view::npos)
        found.invalidUtf8 = i;
      ++i;
      continue;
    }
    // U+FFFE and U+FFFF, EF BF BE and EF BF BF.
    if (c == 0xEF && bytes[i + 1] == 0xBF && bytes[i + 2] >= 0xBE && !found.forbidden) {
      found.forbidden = TextFault{i, "the non-character U+FFFE or U+FFFF is not allowed in XML"};
      found.forbiddenLength = 3;
    }
    i += length;
  }
  return found;
}
