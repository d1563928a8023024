#pragma once
// Turns the bytes of a material file into a document tree.

#include "tavo/outside/DocumentStore.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Parses the bytes as XML. Comments, processing instructions, the doctype, the declaration and
// white space are kept, so that saving an unedited document gives its bytes back. A file that
// declares windows-1252 or ISO-8859-1/-15, or that is no valid UTF-8 and declares nothing, is
// converted to UTF-8 first; its declaration then says UTF-8, as the file is written back so.
// Returns null and sets `error` to "PATH:LINE:COLUMN: reason" when the text is not well-formed.
std::unique_ptr<Document> ParseDocument(std::string_view bytes, const std::string& path, std::string& error);
// The same for the `size` bytes in `buffer`, which holds one more byte, a zero, and was allocated
// with pugixml's allocation function. The buffer is handed over: UTF-8 text is parsed where it lies without a copy, and
// the buffer is freed in every case. The buffer's bytes change; take what is needed of them (a digest) before.
std::unique_ptr<Document> ParseDocumentBuffer(char* buffer, std::size_t size, const std::string& path,
                                              std::string& error);
// The text that the parser reads for these bytes: without a byte-order mark, converted to UTF-8
// when they are UTF-16, UTF-32 or in a Latin code page. Nullopt for bytes that do not read.
std::optional<std::string> ParsedTextOf(std::string_view bytes);
// Whether the parser reads the bytes as they stand: no byte-order mark, no wide form and no
// declared encoding but UTF-8 or ASCII. (Whether they are valid UTF-8 is a question of its own.)
bool ReadsAsItStands(std::string_view bytes);
