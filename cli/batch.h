#pragma once
// The batch: humidity conversions read from CSV and written as CSV, one row
// at a time, in constant memory.
//
//   CsvReader ─► header ─► BatchColumns
//             ─► each row ─► ReadBatchRow ─► HumidityConverter ─► input fields + results + error
//
// Output rows keep the input's order, one for each input row (blank lines
// are no rows). A row that cannot be converted keeps its fields, leaves the
// results empty and says why in the error column; the batch carries on.

#include <ostream>

#include "cli/arguments.h"
#include "cli/run.h"

namespace cli {

ExitStatus RunBatch(const BatchRequest& request, const Environment& environment, std::ostream& out,
                    std::ostream& err);

}  // namespace cli
