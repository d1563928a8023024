#include "tavo/text/CodePage.h"

#include "tavo/text/Iconv.h"
#include "tavo/text/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

// The single-byte text in UTF-8; nullopt when the converter refuses a byte.
std::optional<std::string> SingleByteToUtf8(std::string_view text, const char* from)
{
  Iconv converter("UTF-8", from);
  if (!converter.Valid())
    return std::nullopt;
  std::string input(text);
  std::string output(text.size() * 3 + 4, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  if (!converter.Convert(in, inLeft, out, outLeft))
    return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8)
{
  std::string result;
  bool plain = true;
  for (const char c : utf8)
    plain = plain && static_cast<unsigned char>(c) < 0x80;
  if (plain)
    return std::string(utf8);

  thread_local Iconv converter("WINDOWS-1252", "UTF-8");
  if (!converter.Valid())
    return std::string(utf8.size(), '?');
  converter.Reset();

  result.resize(utf8.size());  // never longer than its UTF-8 form
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* out = result.data();
  std::size_t outLeft = result.size();
  while (inLeft > 0) {
    if (converter.Convert(in, inLeft, out, outLeft))
      break;
    if (errno != EILSEQ && errno != EINVAL)
      break;
    // A character the code page lacks, or a broken sequence: one "?" for it.
    const std::size_t length = std::max<std::size_t>(1, Utf8LengthOfLead(static_cast<unsigned char>(*in)));
    std::size_t skip = 1;
    while (skip < length && skip < inLeft && IsUtf8Continuation(in[skip]))
      ++skip;
    *out++ = '?';
    --outLeft;
    in += skip;
    inLeft -= skip;
  }
  result.resize(result.size() - outLeft);
  return result;
}

bool IsSingleByteLatin(const std::string& encoding)
{
  return encoding == "windows-1252" || encoding == "cp1252" || encoding == "iso-8859-1" || encoding == "iso-8859-15" ||
         encoding == "latin1" || encoding == "latin-1";
}

std::string LatinToUtf8(std::string_view text, const std::string& encoding)
{
  const char* name = encoding == "iso-8859-15" ? "ISO-8859-15" : "WINDOWS-1252";
  if (auto converted = SingleByteToUtf8(text, name))
    return *converted;
  return SingleByteToUtf8(text, "ISO-8859-1").value_or(std::string(text));
}
