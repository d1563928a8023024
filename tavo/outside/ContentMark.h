#pragma once
// A document's content at one moment (as opened, or as saved), so that one can ask later whether
// it still holds the same, as comparing fingerprints would tell. While the document's edit
// generation stands still nothing is computed. The fingerprint of the marked content is taken at
// once only when it could not be taken later: content as opened (the start of the journal) is
// fingerprinted, by moving the journal there and back, only when the question needs it.

#include "tavo/outside/QODOM.h"

#include <cstdint>
#include <optional>

class CContentMark {
 public:
  CContentMark() = default;
  // The content of the document that holds `file`, as it is now.
  explicit CContentMark(QODOM_ELEMENT file);

  // True when the fingerprint of the document that holds `file` differs from the marked one.
  bool Differs(QODOM_ELEMENT file) const;

 private:
  QODOM_DOCUMENT m_document = 0;
  std::uint64_t m_generation = 0;
  std::optional<CFingerPrint> m_fingerprint;  // none: the content as opened
};
