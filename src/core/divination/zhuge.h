#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/content_store.h"

// The Zhuge divination (诸葛神数): three characters written by the asker give one
// of the 384 signs of the table zhuge in MorFile.dll, by the last digits of their
// stroke counts.
namespace vessa {

// The code of three last digits of stroke counts: each digit 0 counts as 1, N =
// 100 d1 + 10 d2 + d3 (111-999) is brought into 0-383 by taking off 768 or 384,
// and written with three digits ("000"-"383"). Negative counts are taken as 0.
std::string ZhugeCodeOfStrokes(int strokes1, int strokes2, int strokes3);

// The code of three characters by their stroke counts (a character missing from
// the stroke table counts 0); "" when any of them is empty after trimming. A
// failing stroke lookup throws SilentAbort.
std::string ZhugeCodeOf(const data::ContentStore& store, std::string_view c1, std::string_view c2,
                        std::string_view c3);

// The sign's title (wantContent false) or its unscrambled text (true); "" when the
// table has no row for the code of the three characters (an empty code included).
// A failing lookup throws SilentAbort.
std::string ZhugeText(const data::ContentStore& store, std::string_view c1, std::string_view c2,
                      std::string_view c3, bool wantContent);

// The three characters of the dialog's joined text: GBK bytes 1-2, 3-4 and 5-6.
struct ThreeCharacters {
  std::string c1, c2, c3;
};
ThreeCharacters SplitThreeCharacters(std::string_view joined);

// Why a text cannot be what the dialog's three boxes hold (each box one Chinese
// character of GBK, or nothing); "" when it can. The message is the user's.
std::string ZhugeCharactersProblem(std::string_view joined);

// The dialog's explanatory paragraph, ending with the note on stroke counting.
std::string_view ZhugeIntroduction();

}  // namespace vessa
