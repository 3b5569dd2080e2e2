#pragma once

#include <string>
#include <string_view>

struct sqlite3;

// The Access-dialect adapter: the program writes its lookups the way an Access
// (Jet) database takes them; the engine underneath is SQLite.
namespace vessa::data {

// Rewrites one Access statement for SQLite:
//  - "select top N ..."   -> "select ... LIMIT N"
//  - "#yyyy-mm-dd#"        -> 'yyyy-mm-dd' (dates are stored as such texts)
//  - a numeric table name  -> quoted ("from 81" -> from "81"), as is any name
//                            that starts with a digit ("64gua")
//  - left(...), format(...) -> the Access functions registered below
//  - LIKE patterns with bracketed wildcards ("[%]") -> backslash escapes plus ESCAPE '\'
// String literals are otherwise passed through untouched.
std::string TranslateAccessSql(std::string_view access_sql);

// FORMAT(value, 'yyyy-mm-dd hh:nn:ss') and LEFT(text, n) as Access has them,
// under the names the translation gives them.
void RegisterAccessFunctions(sqlite3* db);

}  // namespace vessa::data
