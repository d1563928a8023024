#pragma once
// Stress-strain curves as an SVG picture, for the tool without a window: axes with units and
// ticks, one coloured line per curve, the characteristic points marked and labelled, reference
// lines dashed, and a legend.

#include "tavo/material/StressStrainLaws.h"

#include <string>
#include <vector>

std::string CurvesSvg(const std::vector<StressStrainCurve>& curves, const std::string& title);

// A tick step of 1, 2 or 5 times a power of ten that cuts `range` into about `ticks` parts.
double NiceTickStep(double range, int ticks);
