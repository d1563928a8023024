#include "tavo/shell/AngleUnitSetting.h"

#include "tavo/shell/Registry.h"
#include "tavo/text/NumberText.h"

#include <algorithm>
#include <limits>

namespace {
constexpr unsigned kKeyAllAccess = 0xF003F;
}

int ReadAngleUnitSetting()
{
  CRegistry registry;
  std::string text = "0";
  if (registry.Connect(RegistryRoot::CurrentUser) && registry.Open("Software\\QOR\\vantorplan", kKeyAllAccess))
    registry.QueryValue("angleUnit", text);
  else
    text.clear();
  registry.Close();
  const int64_t unit = ReadLeadingInteger(text);
  return static_cast<int>(std::clamp<int64_t>(unit, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
