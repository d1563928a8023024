#pragma once
// The angle unit of the trigonometric functions: 1 degrees, 2 gon, anything else radians.
// The application installs a provider that reads the stored setting; the unit is read through it
// on the first trigonometric call and kept, except that a provider result of -1 is asked again
// at every use. Without a provider the unit is radians.

#include <functional>

using AngleUnitProvider = std::function<int()>;

// Installs the provider (an empty one removes it) and forgets the unit read so far.
void SetAngleUnitProvider(AngleUnitProvider provider);

// The unit in force; reads it through the provider while none is kept.
int CurrentAngleUnit();
