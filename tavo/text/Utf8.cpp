#include "tavo/text/Utf8.h"

#include <cstdint>
#include <cstring>

namespace {

// The second byte of a sequence narrows what its lead allows: no overlong three- and four-byte
// forms, no surrogates (ED A0..BF), nothing beyond U+10FFFF (F4 90..BF).
bool SecondByteFits(unsigned char lead, unsigned char second)
{
  switch (lead) {
    case 0xE0: return second >= 0xA0;
    case 0xED: return second < 0xA0;
    case 0xF0: return second >= 0x90;
    case 0xF4: return second < 0x90;
    default: return true;
  }
}

}  // namespace

std::size_t Utf8LengthOfLead(unsigned char lead)
{
  if (lead < 0x80)
    return 1;
  if (lead < 0xC2)
    return 0;
  if (lead < 0xE0)
    return 2;
  if (lead < 0xF0)
    return 3;
  return lead <= 0xF4 ? 4 : 0;
}

bool IsUtf8Continuation(char byte)
{
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = Utf8LengthOfLead(lead);
  if (length == 0 || at + length > text.size())
    return 0;
  for (std::size_t k = 1; k < length; ++k)
    if (!IsUtf8Continuation(text[at + k]))
      return 0;
  if (length > 2 && !SecondByteFits(lead, static_cast<unsigned char>(text[at + 1])))
    return 0;
  return length;
}
