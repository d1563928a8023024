// tavo find TEXT [--json]: the hits of the editor's quick find, in list order.

#include "tavo/cli/Commands.h"
#include "tavo/cli/Database.h"
#include "tavo/material/FindIndex.h"
#include "tavo/material/ObjectView.h"
#include "tavo/material/TableText.h"
#include "tavo/outside/VBT.h"

#include <iostream>
#include <limits>

namespace {

const char* WhatName(FindHit::What what)
{
  switch (what) {
    case FindHit::kLevelName: return "name";
    case FindHit::kShortName: return "kurzname";
    case FindHit::kLongName: return "property";
  }
  return "";
}

std::string PrintText(const FindResult& result)
{
  std::string text;
  for (const FindHit& hit : result.hits)
    text += hit.path.Text() + "\t" + LevelName(hit.Level()) + "\t" + WhatName(hit.what) + "\t" + hit.shortName + "\t" +
            hit.text + "\n";
  return text;
}

std::string PrintJson(const std::string& query, const FindResult& result)
{
  nlohmann::ordered_json hits = nlohmann::ordered_json::array();
  for (const FindHit& hit : result.hits)
    hits.push_back({{"path", hit.path.Text()},
                    {"level", LevelName(hit.Level())},
                    {"what", WhatName(hit.what)},
                    {"kurzname", hit.shortName},
                    {"text", hit.text}});
  return DumpJson({{"query", query}, {"total", result.total}, {"hits", hits}});
}

}  // namespace

void AddFindCommand(CLI::App& app, const CliOptions& options, int& status)
{
  auto* command = app.add_subcommand(
      "find", "Find levels, objects and properties by name, short name or long name (case and accents ignored)");
  auto query = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  command->add_option("text", *query, "The text to find")->required();
  command->add_flag("--json", *json, "Print the hits as JSON");
  command->callback([&options, &status, query, json] {
    const auto handler = OpenDatabase(options);
    if (!handler) {
      status = kExitFileError;
      return;
    }
    CFindIndex index;
    // Names in the language of the editor too, when a catalogue is chosen (TAVO_LANG).
    index.Build(*handler,
                [](const std::string& text) { return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text); });
    const FindResult result = index.Find(*query, std::numeric_limits<std::size_t>::max());
    std::cout << (*json ? PrintJson(*query, result) : PrintText(result));
    status = result.hits.empty() ? kExitFailed : kExitOk;
  });
}
