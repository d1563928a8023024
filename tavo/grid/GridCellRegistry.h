#pragma once
#include <functional>
#include <memory>

class CGridCellBase;

// The cell classes that a grid can make by name. CGridCell and CGridCellCheck are registered
// from the start.
using GridCellFactory = std::function<std::unique_ptr<CGridCellBase>()>;

// Adds a class; false when the name is already taken.
bool RegisterGridCellClass(const char* className, GridCellFactory factory);
// A new cell of the named class, or null for a name nobody registered.
std::unique_ptr<CGridCellBase> CreateGridCell(const char* className);
