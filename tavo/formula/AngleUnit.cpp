#include "tavo/formula/AngleUnit.h"

namespace {

AngleUnitProvider& Provider()
{
  static AngleUnitProvider provider;
  return provider;
}

int cachedUnit = -1;  // -1: not read yet

}  // namespace

void SetAngleUnitProvider(AngleUnitProvider provider)
{
  Provider() = std::move(provider);
  cachedUnit = -1;
}

int CurrentAngleUnit()
{
  if (cachedUnit == -1) {
    cachedUnit = Provider() ? Provider()() : 0;
  }
  return cachedUnit;
}
