#pragma once
// A reading of a large file that keeps only the elements a caller needs, for a look at one place
// of it without building the whole tree.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What a reduced reading keeps of an element.
enum class KeepElement {
  kNot,           // nothing of it
  kAlone,         // its tag and attributes, none of its children
  kWithChildren,  // its tag and attributes, and each child as decided in turn
};

// Decides for an element whose parent is kept with its children: its depth (1 for a child of the
// root), its tag and the value of the chosen attribute as written in the file (entities and line
// breaks not yet replaced; "" when it has none).
using DecideKeep = std::function<KeepElement(std::size_t depth, std::string_view tag, std::string_view attribute)>;

// The text of the file at `path` reduced to the prolog, the root element and the elements that
// `decide` keeps, as a text that parses to those elements with the attributes the whole file
// gives them. Nullopt whenever the whole file would not be read exactly so: it cannot be opened,
// is cut short while it is read, needs a conversion, breaks any rule of the full reading, or holds anything this
// reading does not follow (an instruction, doctype or CDATA inside the root element, a name the parser might refuse);
// the caller then reads the whole file, which reports what is wrong.
std::optional<std::string> ReduceDocumentFile(const std::string& path, const char* attribute, const DecideKeep& decide);
// The same for bytes in memory.
std::optional<std::string> ReduceDocumentText(std::string_view bytes, const char* attribute, const DecideKeep& decide);
