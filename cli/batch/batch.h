#pragma once
// The batch: humidity conversions read from CSV and written as CSV, one row
// at a time, in bounded memory.
//
//   CsvReader ─► header ─► separator (',' ';' tab) ─► BatchColumns
//             ─► each record ─► decode (UTF-8 | GBK) ─► ReadBatchRow ─► HumidityConverter
//             ─► input fields + results + error + warning
//
// Output rows keep the input's order, one for each input record (blank
// lines are no rows), written with the input's separator. A record that
// cannot be converted keeps its fields, leaves the results empty and says
// why in the error column; the batch carries on. A row with a physically
// impossible input is converted all the same and says so in the warning
// column. A live input (a pipe, a terminal) has each row written as soon as
// its line is complete; a failed write stops the batch.

#include <ostream>

#include "cli/arguments/invocation.h"

namespace cli {

ExitStatus RunBatch(const BatchRequest& request, const Environment& environment, std::ostream& out,
                    std::ostream& err);

}  // namespace cli
