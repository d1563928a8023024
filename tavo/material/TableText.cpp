#include "tavo/material/TableText.h"

#include "tavo/material/Recalculation.h"
#include "tavo/text/NumberText.h"

#include <charconv>

std::string CsvLine(const std::vector<std::string>& fields)
{
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string& field = fields[i];
    if (i > 0)
      line += ',';
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field)
      line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\r\n";
}

double NumberOf(const std::string& text)
{
  return ReadLeadingDouble(text);
}

std::string ShortestNumber(double value)
{
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : FormatG17(value);
}

nlohmann::ordered_json NumberJson(const std::string& text)
{
  return IsNumberText(text) ? nlohmann::ordered_json(NumberOf(text)) : nlohmann::ordered_json(nullptr);
}

const char* FileName(bool inUserFile)
{
  return inUserFile ? "user" : "standard";
}

std::string DumpJson(const nlohmann::ordered_json& json)
{
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
