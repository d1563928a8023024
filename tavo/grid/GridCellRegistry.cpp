#include "tavo/grid/GridCellRegistry.h"

#include <map>
#include <string>

#include "tavo/grid/GridCell.h"
#include "tavo/grid/GridCellCheck.h"

namespace {

std::map<std::string, GridCellFactory, std::less<>>& Registry()
{
  static std::map<std::string, GridCellFactory, std::less<>> registry{
      {CGridCell::kClassName, [] { return std::unique_ptr<CGridCellBase>(new CGridCell); }},
      {CGridCellCheck::kClassName, [] { return std::unique_ptr<CGridCellBase>(new CGridCellCheck); }},
  };
  return registry;
}

}  // namespace

bool RegisterGridCellClass(const char* className, GridCellFactory factory)
{
  if (className == nullptr || !factory)
    return false;
  return Registry().emplace(className, std::move(factory)).second;
}

std::unique_ptr<CGridCellBase> CreateGridCell(const char* className)
{
  if (className == nullptr)
    return nullptr;
  const auto& registry = Registry();
  const auto it = registry.find(std::string_view(className));
  return it == registry.end() ? nullptr : it->second();
}
