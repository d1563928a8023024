#pragma once
// The pieces every table the material library writes out shares: CSV lines as RFC 4180 has them,
// numbers with a decimal point whatever the locale, and JSON.

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// One CSV record in UTF-8 ended by CRLF: a field with a comma, a quote, CR or LF is quoted, its
// quotes doubled.
std::string CsvLine(const std::vector<std::string>& fields);

// The value of a number text ("1.35", " -2e3 "); only for texts that IsNumberText accepts.
double NumberOf(const std::string& text);
// The shortest text that reads back as the same double, with a decimal point ("0.1", "1e-05").
std::string ShortestNumber(double value);
// The number as JSON, or null when the text is not a number.
nlohmann::ordered_json NumberJson(const std::string& text);

// "standard" or "user": the file that holds an element.
const char* FileName(bool inUserFile);

// Indented by two, invalid UTF-8 replaced, ended by a newline.
std::string DumpJson(const nlohmann::ordered_json& json);
