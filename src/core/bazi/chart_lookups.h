#pragma once

#include <string>
#include <string_view>

#include "core/data/content_store.h"

// The ten god, nayin and element of chart characters, looked up in Tgcode.dll.
// Every call is one statement; a missing row or a failing lookup yields "".
namespace vessa {

// The ten god of stem seen from dayStem (key dayStem + stem, e.g. 「甲丙」).
std::string TenGodOf(const data::ContentStore& store, std::string_view dayStem,
                     std::string_view stem);
// The nayin of a two-character pair such as 「甲子」.
std::string NayinOf(const data::ContentStore& store, std::string_view pillar);
// The element (金 木 水 火 土) of a stem or branch character.
std::string ElementOf(const data::ContentStore& store, std::string_view character);

}  // namespace vessa
