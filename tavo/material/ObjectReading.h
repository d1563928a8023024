#pragma once
// Opening the database for the lookup of one object without reading every element of both files.

#include "tavo/material/TavoHandler.h"

#include <memory>
#include <string>

// A handler on both files (at the locations the editor uses, user file of selector 0) that holds
// only what GetObj of the four names reads: the levels on the object's path, the object, and the
// properties of the levels it inherits from. GetObj through it gives what it gives on the whole
// files. A user file that cannot be read so is opened as a whole. Null when the standard file
// cannot be read so (missing, needs a conversion, breaks a rule), when a name is empty or when the
// user file does not open; the caller then opens the whole files, which reports what is wrong.
std::unique_ptr<CTavoHandler> OpenForOneObject(const std::string& kat, const std::string& ukat, const std::string& norm,
                                               const std::string& objekt);
