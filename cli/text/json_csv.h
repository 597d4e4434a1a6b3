#pragma once
// JSON and CSV text for the machine-readable outputs. Both take UTF-8.
//
//   members ─► JsonObject (one line) ─► WriteJsonDocument (one member a line)
//   fields ─► CsvField ─► WriteCsvRow (RFC 4180 quoting, "\n" line ends)

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// A member's name and its value, already written as JSON.
using JsonMember = std::pair<std::string_view, std::string>;

// The text in double quotes with JSON escapes.
std::string JsonString(std::string_view text);
std::string JsonNumber(int64_t value);
std::string JsonBool(bool value);
inline constexpr std::string_view kJsonNull = "null";
std::string JsonObject(std::initializer_list<JsonMember> members);
// An array of JSON values, one value a line, for a member of the document.
std::string JsonArray(const std::vector<std::string>& items);
// The top-level object, one member a line.
void WriteJsonDocument(std::ostream& out, std::initializer_list<JsonMember> members);

// The text as it is, or in double quotes with quotes doubled when it holds
// the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator = ',');
// The same, appended to a line being built.
void AppendCsvField(std::string& line, std::string_view text, char separator);
void WriteCsvRow(std::ostream& out, std::initializer_list<std::string_view> fields);

}  // namespace cli
