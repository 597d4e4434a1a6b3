#pragma once
// A plain-text table for the terminal: columns padded to the widest cell,
// counting a Chinese character as two columns as terminals show it.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Align { Left, Right };

// Terminal columns a UTF-8 text takes.
std::size_t DisplayWidth(std::string_view utf8);

class TextTable {
public:
    explicit TextTable(std::vector<Align> columns) : aligns_(std::move(columns)) {}
    void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    // Each row indented, cells two spaces apart, no trailing blanks.
    void Write(std::ostream& out, std::string_view indent) const;

private:
    std::vector<Align> aligns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace cli
