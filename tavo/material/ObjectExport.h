#pragma once
// Objects as tables for other programs: one record per object and property row with the full
// path, the names, the formula, Wert01 to Wert09 as stored text and as number, the unit, and the
// level and file of the row's element. Values as the object sees them after recalculating, which
// writes nothing back.

#include "tavo/material/ObjectView.h"

#include <string>
#include <vector>

// CSV (RFC 4180, UTF-8, CRLF) with a header line.
std::string ExportCsv(const std::vector<ObjectView>& views);
// {"objects": [{"path", "kat", "ukat", "norm", "objekt", "inUserFile", "rows": [...]}]}.
std::string ExportJson(const std::vector<ObjectView>& views);

enum class ExportFormat { kCsv, kJson };
std::string ExportText(const std::vector<ObjectView>& views, ExportFormat format);
