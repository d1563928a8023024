#include "tavo/text/Iconv.h"

namespace {

const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

}  // namespace

Iconv::Iconv(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}

Iconv::~Iconv()
{
  if (Valid())
    iconv_close(m_handle);
}

bool Iconv::Valid() const
{
  return m_handle != kFailed;
}

bool Iconv::Convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft)
{
  return iconv(m_handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
}

void Iconv::Reset()
{
  iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
}
