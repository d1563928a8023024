// bench_bare_parse FILE...: parses each file with pugixml (the document library's options) and
// keeps every tree until the end, so that a whole-process measurement shows what the bare parse
// of those files needs.

#include <pugixml.hpp>

#include <cstdio>
#include <list>

int main(int argc, char** argv)
{
  constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                                     pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata;
  std::list<pugi::xml_document> documents;
  for (int i = 1; i < argc; ++i) {
    if (!documents.emplace_back().load_file(argv[i], kParseOptions, pugi::encoding_utf8)) {
      std::fprintf(stderr, "bench_bare_parse: cannot parse %s\n", argv[i]);
      return 1;
    }
  }
  std::printf("%zu files parsed\n", documents.size());
  return 0;
}
