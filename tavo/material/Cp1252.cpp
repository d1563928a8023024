#include "tavo/material/Cp1252.h"

#include <iconv.h>
#include <cerrno>

namespace {

// The length of the UTF-8 sequence that starts with this byte; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead)
{
  if (lead >= 0xF0 && lead <= 0xF4)
    return 4;
  if (lead >= 0xE0)
    return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2)
    return 2;
  return 1;
}

// Owns one converter.
class Converter {
 public:
  Converter() : m_handle(iconv_open("WINDOWS-1252", "UTF-8")) {}
  ~Converter()
  {
    if (Valid())
      iconv_close(m_handle);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return m_handle; }

 private:
  iconv_t m_handle;
};

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8)
{
  std::string result;
  bool plain = true;
  for (const char c : utf8)
    plain = plain && static_cast<unsigned char>(c) < 0x80;
  if (plain)
    return std::string(utf8);

  thread_local Converter converter;
  if (!converter.Valid())
    return std::string(utf8.size(), '?');
  iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);

  result.resize(utf8.size());  // never longer than its UTF-8 form
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* out = result.data();
  std::size_t outLeft = result.size();
  while (inLeft > 0) {
    if (iconv(converter.Handle(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
      break;
    if (errno != EILSEQ && errno != EINVAL)
      break;
    // A character the code page lacks, or a broken sequence: one "?" for it.
    const std::size_t length = SequenceLength(static_cast<unsigned char>(*in));
    std::size_t skip = 1;
    while (skip < length && skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80)
      ++skip;
    *out++ = '?';
    --outLeft;
    in += skip;
    inLeft -= skip;
  }
  result.resize(result.size() - outLeft);
  return result;
}
