#pragma once

#include <string>

#include "core/data/content_store.h"

// The texts of a grid number in the table 81 of MorFile.dll.
namespace vessa {

// A text column: field 0 yy, 1 jx, 2 as, 3 content; " " when the number has no
// row, "" for another field code. A failing lookup throws SilentAbort.
std::string NumberText(const data::ContentStore& store, int n, int field);

}  // namespace vessa
