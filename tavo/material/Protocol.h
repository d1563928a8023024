#pragma once
// The protocol: the whole material database as an indented text listing, every level in list
// order with its own properties, one line per property.

#include <functional>
#include <string>

class CTavoHandler;

// Called after each object: objects written so far, objects of the whole protocol.
using ProtocolProgress = std::function<void(int done, int total)>;

// Writes the protocol to `path` in code page 1252 with the platform's line ends, replacing the
// file. Objects are read through GetObj, which may recalculate them and write changed values into
// their documents. False when the file cannot be written: `error` then names the path and the
// reason, and no file is left (an existing one keeps its content). The path "-" writes to
// standard output.
bool ExportProtocol(CTavoHandler& handler, const std::string& path, std::string& error,
                    const ProtocolProgress& progress = {});
