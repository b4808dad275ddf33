// orbenza-cli library import|export --format aaf: the chart library's charts
// in the AAF exchange format that other astrology programs read and write.
#pragma once

#include "store/AafExchange.h"
#include "store/ChartLibrary.h"

#include <functional>
#include <string>
#include <vector>

namespace orbenza::cli {

// One refused chart as the user reads it: "line N: why".
std::string aafRefusalText(const store::AafRefusal& refusal);

// Reads the AAF file (- for standard input), lists the refused charts on
// standard error with their lines, and adds the others to the library that
// openLibrary opens, in one transaction. Exit status 0 when every chart was
// imported, 1 when some were refused and the rest imported, 2 when the file
// cannot be read, holds no #A93 record, or the library cannot be used.
int importAafFile(const std::string& file, store::ChartLibrary& library,
                  const std::function<bool()>& openLibrary);

// Writes the records as AAF to the file (whole or not at all), or to standard
// output when file is empty. A chart whose texts had to be changed is named on
// standard error. Exit status 0, or 2 when the output cannot be written.
int exportAafFile(const std::vector<store::ChartRecord>& records, const std::string& file);

} // namespace orbenza::cli
