// The chart library as CSV: the batch's columns (name, date, time, zone, lon,
// lat, dst) followed by what the library keeps beyond them, so that an export
// read back by an import gives the same charts.
//
// Columns, by name in the header, any order and any case:
//   name date time zone lon lat dst   as in a batch; time may carry seconds
//                                     (HH:MM:SS); zone may be empty when
//                                     utoffset is given
//   utoffset   the clock's offset from universal time, +HH:MM or +HH:MM:SS
//              (the zone row's offset when empty)
//   city state country                as typed
//   place tz fold                     the atlas's place, IANA zone and fold
//   positions  classic or precise     note  free text
//   added changed                     UTC, YYYY-MM-DDTHH:MM:SSZ (now when empty)
// Only name is required; a missing column takes the single chart's default.
#pragma once

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

// Reads every row; a row that cannot be stored is refused with its line.
LibraryCsvRead readLibraryCsv(ByteSource& input);

} // namespace orbenza::cli
