// The protocol of the whole database, every object looked up and recalculated on the way; beside
// it the reference: a bare pugixml parse of both files and the same kind of lines written from
// the tree in document order (headers and padded property lines in code page 1252), without
// lists, priorities, lookups, translation or recalculation.

#include "bench/material/BenchDatabase.h"

#include "tavo/material/Protocol.h"
#include "tavo/text/CodePage.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                   pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata;

// Every size starts from its files as they lie, so that each protocol recalculates all objects.
void BM_ProtocolExport(benchmark::State& state)
{
  BenchDatabase& db = FreshDatabase(static_cast<int>(state.range(0)));
  const std::string path = db.Path("material.txt");
  int written = 0;
  for (auto _ : state) {
    std::string error;
    if (!ExportProtocol(*db.handler, path, error, [&written](int done, int) { written = done; }))
      state.SkipWithError(error.c_str());
  }
  if (written != static_cast<int>(db.objects.size()))
    state.SkipWithError("not every object was written");
  state.counters["objects/s"] =
      benchmark::Counter(static_cast<double>(db.objects.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void AppendPadded(std::string& line, const char* text, std::size_t width, bool alignRight)
{
  const std::string converted = Utf8ToCp1252(text);
  const std::size_t blanks = converted.size() < width ? width - converted.size() : 0;
  if (alignRight)
    line.append(blanks, ' ');
  line += converted;
  if (!alignRight)
    line.append(blanks, ' ');
}

// Every level below `element` in document order: a header per element, a line per property.
void WriteLevel(std::string& out, pugi::xml_node element, int indent)
{
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (std::string_view(child.name()) == "Eigenschaft") {
      out.append(static_cast<std::size_t>(indent), '\t');
      AppendPadded(out, child.attribute("Kurzname").value(), 15, false);
      out += "\t[";
      AppendPadded(out, child.attribute("Einheit").value(), 10, true);
      out += "]\t= ";
      AppendPadded(out, child.attribute("Wert01").value(), 15, false);
      out += '\t';
      out += Utf8ToCp1252(child.attribute("Name").value());
      out += '\n';
      continue;
    }
    out += '\n';
    out.append(static_cast<std::size_t>(indent), '\t');
    out += child.name();
    out += ": ";
    out += Utf8ToCp1252(child.attribute("Name").value());
    out += '\n';
    WriteLevel(out, child, indent + 1);
  }
}

void BM_ProtocolReference(benchmark::State& state)
{
  BenchDatabase& db = Database(static_cast<int>(state.range(0)));
  const std::string path = db.Path("reference.txt");
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bytes = 0;
    for (const std::string& source : {db.StandardPath(), db.UserPath()}) {
      pugi::xml_document document;
      if (!document.load_file(source.c_str(), kParseOptions, pugi::encoding_utf8))
        state.SkipWithError("the reference parse failed");
      std::string out;
      WriteLevel(out, document.document_element(), 0);
      bytes += std::fwrite(out.data(), 1, out.size(), file);
    }
    std::fclose(file);
  }
  if (bytes == 0)
    state.SkipWithError("nothing written");
}

}  // namespace

BENCHMARK(BM_ProtocolExport)
    ->ArgName("objects")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_ProtocolReference)
    ->ArgName("objects")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
