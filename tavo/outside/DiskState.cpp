#include "tavo/outside/DiskState.h"

#include <QFile>

#include <xxhash.h>

#include <cstring>
#include <filesystem>

namespace {

int64_t ModifiedNs(const std::string& path)
{
  std::error_code error;
  const auto time = std::filesystem::last_write_time(std::filesystem::u8path(path), error);
  if (error)
    return 0;
  return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

}  // namespace

DiskState DiskStateOf(const std::string& path, std::string_view bytes)
{
  DiskState state;
  state.exists = true;
  state.size = static_cast<int64_t>(bytes.size());
  state.modifiedNs = ModifiedNs(path);
  const XXH128_hash_t digest = XXH3_128bits(bytes.data(), bytes.size());
  std::memcpy(state.digest.data(), &digest.low64, 8);
  std::memcpy(state.digest.data() + 8, &digest.high64, 8);
  return state;
}

std::optional<DiskState> ReadDiskState(const std::string& path)
{
  QFile file(QString::fromStdString(path));
  if (!file.exists())
    return DiskState{};
  if (!file.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return std::nullopt;
  return DiskStateOf(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
