#pragma once
// One row of a batch: its fields read against the header's columns into the
// inputs of a humidity conversion, or the reason it cannot be converted.
//
//   header ─► BatchColumns (where each input is)
//   fields ─► ReadBatchRow ─► HumidityInputs | error message
//
// A row must hold numbers, as the command line's options must: a text that
// is not one entirely (blanks around it aside; a NUL anywhere) is an error,
// as is an unknown name.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/facts/conversions.h"
#include "cli/text/language.h"

namespace cli {

// The input columns a batch header may name.
enum class BatchInput { Quantity, Value, Temperature, Pressure, Unit, Direction };

struct BatchColumns {
    size_t count = 0;  // the header's fields; every row must have as many
    // The column of each BatchInput, in that order; none when the header
    // does not name it.
    std::array<std::optional<size_t>, 6> index;
};

// The columns of a header, or the name of a required column it lacks.
std::variant<BatchColumns, std::string> FindBatchColumns(const std::vector<std::string>& header);

struct RowError {
    std::string message;
};

std::variant<HumidityInputs, RowError> ReadBatchRow(const std::vector<std::string>& fields,
                                                    const BatchColumns& columns, Language language);

}  // namespace cli
