#pragma once

// The formula language's angle unit as the settings store holds it: the leading integer of the
// value "angleUnit" under "Software\QOR\vantorplan" of the current user; 0 when none is stored.
int ReadAngleUnitSetting();
