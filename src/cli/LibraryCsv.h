// The chart library as CSV: the batch's columns (name, date, time, zone, lon,
// lat, dst) followed by what the library keeps beyond them, so that an export
// read back by an import gives the same charts.
//
// A header naming none of the library's own columns (utoffset on) is a batch
// file, read exactly as --batch reads it. Otherwise the columns, by name in
// the header, any order and any case, are:
//   name date time zone lon lat dst   as in a batch, by the single chart's
//                                     rules; zone may be empty when utoffset
//                                     is given
//   utoffset   the clock's offset from universal time, +HH:MM or +HH:MM:SS;
//              when given with a zone or tz it must be that clock's offset
//   city state country                as typed (a place's own when empty)
//   place tz fold                     the atlas's place, IANA zone and fold:
//                                     with tz the clock is the zone's; a
//                                     place without tz is looked up in the
//                                     atlas as --place does
//   atlasname atlasstate atlascountry atlaslat atlaslon
//                                     the atlas's names of the place and its
//                                     coordinates in degrees, with tz only
//   positions  classic or precise     houses  the house system, as --houses
//   note  free text
//   added changed                     UTC, YYYY-MM-DDTHH:MM:SSZ (now when empty)
// Only name is required; a missing column takes the single chart's default.
#pragma once

#include "AtlasOptions.h"
#include "BatchCsvWriter.h"
#include "BatchRow.h"
#include "ChartOptions.h"
#include "CsvReader.h"
#include "base/Utf8.h"
#include "store/ChartRecord.h"
#include "store/RecordChart.h"

#include <string>
#include <vector>

namespace orbenza::cli {

class ProgressMeter;

std::string libraryCsvHeader();
void appendRecordCsv(std::string& out, const store::ChartRecord& record);

// "+05:30" for a correction of -5 h 30 min; seconds only when not zero.
std::string utOffsetText(int correctionSeconds);
// "14:30", or "14:30:05" with seconds.
std::string clockText(int hour, int minute, int second);

// Why a record cannot be drawn, in the command line's words.
std::string recordProblemMessage(const store::RecordProblem& problem);

struct LibraryCsvRead {
    std::vector<store::ChartRecord> records;
    std::vector<std::string> refusals; // "line N: why", one per refused row
    std::string failure;               // the header or the input could not be read
};

// Where the atlas comes from when a row names a place; called only then.
using AtlasSource = const atlas::Atlas& (*)();

// Reads every row; a row that cannot be stored is refused with its line and
// the reason add or --batch would give. progress, when given, is told the rows
// read and the share of the input behind them.
LibraryCsvRead readLibraryCsv(ByteSource& input, AtlasSource atlasSource = programAtlas,
                              ProgressMeter* progress = nullptr);

} // namespace orbenza::cli
