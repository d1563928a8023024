#pragma once
// Writes a document as a patch of the text it was read from: what the tree still holds as it was
// read comes back byte for byte (quotes, references, line ends, white space inside and between
// tags), and only what was edited is written anew, in the style of the file.

#include "tavo/outside/DocumentStore.h"

#include <string>
#include <string_view>

// `original` is the text that the document's tree was parsed from (UTF-8, without a byte-order
// mark). What changed is found by comparing the tree with that text: every node is looked up where
// the parser found it, and copied when its content is still what the text there says. Without
// that text (empty, or not the tree's), every node is written anew: top-level nodes one per line,
// attribute values in double quotes, tab and line breaks in them as character references.
void WriteLossless(const Document& document, std::string_view original, std::string& out);
