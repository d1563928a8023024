#pragma once
// One iconv converter between two encodings, closed with the object.

#include <iconv.h>

#include <cstddef>

class Iconv {
 public:
  // Opens a converter from `from` to `to` (iconv's names); Valid() says whether that worked.
  Iconv(const char* to, const char* from);
  ~Iconv();
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool Valid() const;
  // Converts what it can, advancing both sides as iconv does; false (errno set) when it stopped
  // at input it cannot convert or at the end of the output.
  bool Convert(char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft);
  // Returns to the initial state, forgetting any partly converted input.
  void Reset();

 private:
  iconv_t m_handle;
};
