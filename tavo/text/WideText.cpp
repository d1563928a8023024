#include "tavo/text/WideText.h"

#include "tavo/text/Iconv.h"

namespace {

unsigned Byte(std::string_view bytes, std::size_t i)
{
  return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100;  // 0x100: beyond the end
}

}  // namespace

WideForm DetectWideForm(std::string_view bytes)
{
  const unsigned b0 = Byte(bytes, 0), b1 = Byte(bytes, 1), b2 = Byte(bytes, 2), b3 = Byte(bytes, 3);
  if (b0 == 0xFF && b1 == 0xFE && b2 == 0 && b3 == 0)
    return {"UTF-32LE", 4};
  if (b0 == 0 && b1 == 0 && b2 == 0xFE && b3 == 0xFF)
    return {"UTF-32BE", 4};
  if (b0 == 0xFF && b1 == 0xFE)
    return {"UTF-16LE", 2};
  if (b0 == 0xFE && b1 == 0xFF)
    return {"UTF-16BE", 2};
  if (b0 != 0 && b0 < 0x100 && b1 == 0 && b2 == 0 && b3 == 0)
    return {"UTF-32LE", 0};
  if (b0 == 0 && b1 == 0 && b2 == 0 && b3 != 0 && b3 < 0x100)
    return {"UTF-32BE", 0};
  if (b0 != 0 && b0 < 0x100 && b1 == 0)
    return {"UTF-16LE", 0};
  if (b0 == 0 && b1 != 0 && b1 < 0x100)
    return {"UTF-16BE", 0};
  return {};
}

bool WideToUtf8(std::string_view text, const char* encoding, std::string& utf8)
{
  Iconv converter("UTF-8", encoding);
  // Two bytes of UTF-16 give at most three of UTF-8; four bytes of either give at most four.
  utf8.assign(text.size() / 2 * 3 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* out = utf8.data();
  std::size_t outLeft = utf8.size();
  const bool converted = converter.Valid() && converter.Convert(in, inLeft, out, outLeft) && inLeft == 0;
  utf8.resize(utf8.size() - outLeft);
  return converted;
}
