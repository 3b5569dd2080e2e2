#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "core/text/date_text.h"

// The ways a key is put into a lookup statement. Statements are written in the
// Access dialect; access_dialect.h turns them into SQLite.
namespace vessa::data {

// Standard quoting: enclosed in single quotes, inner single quotes doubled.
std::string Quoted(std::string_view value);

// A LIKE pattern that finds the value anywhere: "%" + value + "%", quoted. The
// wildcards "%" and "_" (and "[") inside the value are bracketed the Access way
// ("[%]"), so user text always matches literally.
std::string QuotedLike(std::string_view value);

// The inline way: a head ending in an opening quote, the raw value, then "' ".
// No escaping: callers pass only values of the program's own tables.
std::string Inline(std::string_view head, std::string_view value);
// Two raw values joined by a middle literal such as "' and sj = '", then "' ".
std::string Inline(std::string_view head, std::string_view first, std::string_view middle,
                   std::string_view second);

// The formatted way: "%d" takes an integer, "%s" a text inserted raw (the template
// itself holds the quotes). Arguments are used in order; "%%" is a percent sign.
using SqlArg = std::variant<std::int64_t, std::string_view>;
std::string Formatted(std::string_view templ, std::initializer_list<SqlArg> args);

// The date way: head + "yyyy-mm-dd" + tail, the head ending in "#" and the tail
// starting with "#".
std::string WithDate(std::string_view head, Date date, std::string_view tail);

}  // namespace vessa::data
