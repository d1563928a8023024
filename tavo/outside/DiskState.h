#pragma once
// What a document's file looked like when the document was read from it or last written to it,
// so that a save can tell whether someone else has changed the file since.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DiskState {
  bool exists = false;
  int64_t size = 0;
  int64_t modifiedNs = 0;            // modification time, nanoseconds of the file clock
  std::array<uint8_t, 16> digest{};  // XXH3-128 of the file's bytes

  // Same existence, size and bytes. A file that was only touched holds the same content, so the
  // modification time alone does not make it a different file.
  bool SameContent(const DiskState& other) const
  {
    return exists == other.exists && size == other.size && digest == other.digest;
  }
};

// The state of the file at `path` whose bytes the caller has just read or written.
DiskState DiskStateOf(const std::string& path, std::string_view bytes);
// Reads the file at `path` now. A missing file gives a state with `exists` false; nullopt when the
// file exists but cannot be read.
std::optional<DiskState> ReadDiskState(const std::string& path);
