// Any bytes as the CSV input of a batch run.
//
// The rows are found by a plain CSV splitter written here (byte order mark,
// quotes, CR LF or LF, blank lines, physical line numbers), and each row's
// fate is worked out from the single-chart option parsers and the chart run.
// The batch must then give, in both output forms and for one worker or
// several:
// - nothing at all and status 2 when there is no usable header;
// - otherwise one output line (JSON) or one output row (CSV) per data row, in
//   input order, each naming the line where its row starts;
// - for a row that can be charted, exactly the object --format json prints
//   for that chart (CSV: its name and positions, an empty error);
// - for every other row an error object with the row's exact message (CSV:
//   the name when the row had one, the message), and "line N: message" on
//   the diagnostics, in order;
// - status 0 when every row was charted, 1 otherwise, with the counts right;
// - the same bytes whatever the number of workers.
// The input reaches the reader in small pieces, so every split of a row,
// a quote pair, a CR LF or the byte order mark across two reads is tried.
#include "Batch.h"
#include "BatchCsvWriter.h"
#include "BatchRow.h"
#include "ByteFakes.h"
#include "ChartJsonWriter.h"
#include "ChartOptions.h"
#include "ChartOutput.h"
#include "CsvReader.h"
#include "FuzzSupport.h"
#include "base/Utf8.h"
#include "chart/ChartRun.h"
#include "present/PositionText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

// ---------------------------------------------------------------------------
// The reference splitter

struct Row {
    std::vector<std::string> fields;
    std::uint64_t line = 0; // physical line where the row starts, from 1
    std::string error;      // the first fault of a malformed row
    bool anyQuoted = false;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// skipMark: a UTF-8 byte order mark at the start is not text (the input's
// rule; the program's own CSV output has none to skip).
std::vector<Row> splitRows(std::string_view text, bool skipMark) {
    if (skipMark && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<Row> rows;
    std::size_t i = 0;
    std::uint64_t line = 1;
    auto lineEndsAt = [&](char c) {
        // A line feed, or a CR LF pair (a lone CR is text).
        if (c == '\n')
            return true;
        if (c == '\r' && i < text.size() && text[i] == '\n') {
            ++i;
            return true;
        }
        return false;
    };
    while (i < text.size()) {
        Row row;
        row.line = line;
        row.fields.emplace_back();
        enum { FieldStart, Plain, Quoted, AfterQuote } state = FieldStart;
        // Where the open quoted field's first line break ends: a quote never
        // closed ends its row there, and reading starts again after it.
        std::size_t quotedBreak = 0;
        std::uint64_t quotedBreakLine = 0;
        auto newField = [&] {
            if (row.fields.size() == cli::CsvReader::kMaxFields) {
                if (row.error.empty())
                    row.error = "the row has more than " +
                                std::to_string(cli::CsvReader::kMaxFields) + " fields";
                return;
            }
            row.fields.emplace_back();
        };
        for (bool end = false; !end;) {
            if (i == text.size()) {
                if (state == Quoted) {
                    row.error = "a quoted field is not closed";
                    if (quotedBreak != 0) {
                        i = quotedBreak;
                        line = quotedBreakLine;
                    }
                }
                break;
            }
            const char c = text[i++];
            switch (state) {
            case FieldStart:
                if (c == '"') {
                    row.anyQuoted = true;
                    state = Quoted;
                    break;
                }
                state = Plain;
                [[fallthrough]];
            case Plain:
                if (c == ',') {
                    newField();
                    state = FieldStart;
                } else if (lineEndsAt(c)) {
                    ++line;
                    end = true;
                } else {
                    row.fields.back() += c;
                }
                break;
            case Quoted:
                if (c == '"') {
                    state = AfterQuote;
                } else {
                    if (c == '\n') {
                        ++line;
                        if (quotedBreak == 0) {
                            quotedBreak = i;
                            quotedBreakLine = line;
                        }
                    }
                    row.fields.back() += c;
                }
                break;
            case AfterQuote:
                if (c == '"') {
                    row.fields.back() += '"';
                    state = Quoted;
                    break;
                }
                quotedBreak = 0; // the quoted field is closed
                if (c == ',') {
                    newField();
                    state = FieldStart;
                } else if (lineEndsAt(c)) {
                    ++line;
                    end = true;
                } else {
                    if (row.error.empty())
                        row.error = "text follows a closing quote";
                    row.fields.back() += c;
                    state = Plain;
                }
                break;
            }
        }
        const bool blank = row.fields.size() == 1 && !row.anyQuoted && row.error.empty() &&
                           trimmed(row.fields[0]).empty();
        if (!blank)
            rows.push_back(std::move(row));
    }
    return rows;
}

// ---------------------------------------------------------------------------
// What each row must become

constexpr std::array<std::string_view, 7> kColumns{"name", "date", "time", "zone",
                                                   "lon",  "lat",  "dst"};

// Where each column stands, or nothing when the header is not usable.
std::optional<std::array<std::size_t, 7>> headerColumns(const Row& header) {
    if (!header.error.empty())
        return std::nullopt;
    std::array<std::size_t, 7> position{};
    std::array<bool, 7> seen{};
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = lowerAscii(trimmed(header.fields[i]));
        std::size_t which = 0;
        while (which < kColumns.size() && kColumns[which] != name)
            ++which;
        if (which == kColumns.size() || seen[which])
            return std::nullopt;
        seen[which] = true;
        position[which] = i;
    }
    for (bool s : seen) {
        if (!s)
            return std::nullopt;
    }
    return position;
}

struct Expected {
    std::optional<ChartResult> chart; // nothing: the row is refused
    std::string message;              // why it is refused
    std::string csvName;              // the name an error row keeps in CSV
};

Expected expectedFor(const Row& row, const std::array<std::size_t, 7>& columns) {
    Expected expected;
    if (row.error.empty() && columns[0] < row.fields.size()) {
        // Bytes that are not UTF-8 and control characters become U+FFFD.
        const std::string& name = row.fields[columns[0]];
        for (std::size_t i = 0; i < name.size();) {
            const Utf8Step step = decodeUtf8(name, i);
            const char32_t c = step.codePoint;
            if (!step.valid || c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F))
                appendUtf8(expected.csvName, kReplacementCharacter);
            else
                expected.csvName.append(name, i, step.length);
            i += step.length;
        }
    }
    if (!row.error.empty()) {
        expected.message = row.error;
        return expected;
    }
    if (row.fields.size() != 7) {
        expected.message = "the row has " + std::to_string(row.fields.size()) +
                           (row.fields.size() == 1 ? " field" : " fields") + ", not 7";
        return expected;
    }
    auto field = [&](std::size_t which) { return std::string_view(row.fields[columns[which]]); };
    if (!fuzz::isStrictUtf8(field(0))) {
        expected.message = "name is not valid UTF-8";
        return expected;
    }
    const std::string dst = lowerAscii(trimmed(field(6)));
    cli::ChartOptionTexts texts;
    if (dst == "1" || dst == "true" || dst == "yes") {
        texts.daylightSaving = true;
    } else if (!(dst.empty() || dst == "0" || dst == "false" || dst == "no")) {
        expected.message = "dst must be"; // a prefix: the rest quotes the field
        return expected;
    }
    texts.name = std::string(field(0));
    texts.date = std::string(trimmed(field(1)));
    texts.time = std::string(trimmed(field(2)));
    texts.zone = std::string(trimmed(field(3)));
    texts.longitude = std::string(trimmed(field(4)));
    texts.latitude = std::string(trimmed(field(5)));
    const auto parsed = cli::parseChartOptions(texts);
    if (const auto* error = std::get_if<cli::OptionError>(&parsed)) {
        // The option's message, named after the column ("date", not "--date").
        expected.message =
            error->message.starts_with("--") ? error->message.substr(2) : error->message;
        return expected;
    }
    auto outcome = chartOfInput(std::get<BirthInput>(parsed));
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        expected.message = std::string(cli::inputProblemMessage(refusal->problem));
        return expected;
    }
    expected.chart = std::move(std::get<ChartResult>(outcome));
    return expected;
}

bool messageMatches(std::string_view actual, std::string_view expected) {
    return expected == "dst must be" ? actual.starts_with(expected) : actual == expected;
}

// ---------------------------------------------------------------------------
// Running the batch

struct Run {
    cli::BatchOutcome outcome;
    std::string output, diagnostics;
};

Run runBatch(std::string_view input, cli::BatchFormat format, unsigned jobs,
             std::size_t rowsPerJob) {
    cli::StringSource source(input, 1 + input.size() % 13);
    cli::StringSink output;
    cli::StringSink diagnostics;
    cli::BatchOptions options;
    options.format = format;
    options.jobs = jobs;
    options.rowsPerJob = rowsPerJob;
    Run run;
    run.outcome = cli::runBatch(source, output, diagnostics, options);
    run.output = std::move(output.text);
    run.diagnostics = std::move(diagnostics.text);
    return run;
}

std::vector<std::string_view> outputLines(std::string_view text, std::string_view input) {
    FUZZ_CHECK(text.empty() || text.back() == '\n',
               "the output does not end with a line feed; input: " + printable(input));
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

void checkJsonRun(const Run& run, const std::vector<Row>& rows,
                  const std::vector<Expected>& expected, std::string_view input) {
    const std::vector<std::string_view> lines = outputLines(run.output, input);
    FUZZ_CHECK(lines.size() == rows.size(), std::to_string(lines.size()) + " output lines for " +
                                                std::to_string(rows.size()) +
                                                " rows; input: " + printable(input));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::string where = "row " + std::to_string(k) + " (line " +
                                  std::to_string(rows[k].line) + ") of " + printable(input);
        if (expected[k].chart) {
            const std::string object = cli::chartJson(*expected[k].chart).dump();
            FUZZ_CHECK(lines[k] == object, "expected the chart " + printable(object) + ", found " +
                                               printable(lines[k]) + "; " + where);
            continue;
        }
        const auto json = nlohmann::json::parse(lines[k], nullptr, false);
        FUZZ_CHECK(!json.is_discarded() && json.is_object() && json.size() == 2 &&
                       json.contains("line") && json.contains("error") &&
                       json["line"].is_number_unsigned() && json["error"].is_string(),
                   "not an error object: " + printable(lines[k]) + "; " + where);
        FUZZ_CHECK(json["line"].get<std::uint64_t>() == rows[k].line,
                   "error object names line " + std::to_string(json["line"].get<std::uint64_t>()) +
                       "; " + where);
        const std::string message = json["error"].get<std::string>();
        if (fuzz::isStrictUtf8(expected[k].message))
            FUZZ_CHECK(messageMatches(message, expected[k].message),
                       "error \"" + printable(message) + "\", expected \"" +
                           printable(expected[k].message) + "\"; " + where);
    }
}

void checkCsvRun(const Run& run, const std::vector<Row>& rows,
                 const std::vector<Expected>& expected, std::string_view input) {
    const std::string header = cli::batchCsvHeader();
    FUZZ_CHECK(run.output.starts_with(header),
               "the CSV output lacks its header; input: " + printable(input));
    const std::vector<Row> outRows =
        splitRows(std::string_view(run.output).substr(header.size()), false);
    FUZZ_CHECK(outRows.size() == rows.size(),
               std::to_string(outRows.size()) + " CSV output rows for " +
                   std::to_string(rows.size()) + " rows; input: " + printable(input));
    std::string diagnostics;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::string where = "row " + std::to_string(k) + " (line " +
                                  std::to_string(rows[k].line) + ") of " + printable(input);
        const std::vector<std::string>& out = outRows[k].fields;
        FUZZ_CHECK(outRows[k].error.empty() && out.size() == 35,
                   "a malformed CSV output row for " + where);
        FUZZ_CHECK(out[33] == std::to_string(rows[k].line),
                   "CSV row names line " + printable(out[33]) + "; " + where);
        if (expected[k].chart) {
            const ChartResult& chart = *expected[k].chart;
            FUZZ_CHECK(out[0] == chart.birth.name && out[34].empty(),
                       "CSV chart row for " + printable(out[0]) + "; " + where);
            for (std::size_t body = 0; body < 11; ++body)
                FUZZ_CHECK(out[1 + body] == chartTexts(chart).planetPositions[body],
                           "CSV position " + std::to_string(body) + " is " +
                               printable(out[1 + body]) + "; " + where);
            continue;
        }
        FUZZ_CHECK(out[0] == expected[k].csvName,
                   "CSV error row keeps the name " + printable(out[0]) + ", expected " +
                       printable(expected[k].csvName) + "; " + where);
        for (std::size_t column = 1; column < 33; ++column)
            FUZZ_CHECK(out[column].empty(), "CSV error row with a chart column; " + where);
        FUZZ_CHECK(messageMatches(out[34], expected[k].message),
                   "CSV error \"" + printable(out[34]) + "\", expected \"" +
                       printable(expected[k].message) + "\"; " + where);
        diagnostics += "line " + std::to_string(rows[k].line) + ": " + out[34] + "\n";
    }
    FUZZ_CHECK(run.diagnostics == diagnostics, "diagnostics \"" + printable(run.diagnostics) +
                                                   "\", expected \"" + printable(diagnostics) +
                                                   "\"; input: " + printable(input));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Longer rows are cut short by the reader on purpose; the splitter here
    // does not model that.
    if (size > cli::CsvReader::kMaxRecordBytes)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const Run json = runBatch(input, cli::BatchFormat::JsonLines, 1, 64);
    const Run csv = runBatch(input, cli::BatchFormat::Csv, 1, 64);
    const Run parallel = runBatch(input, cli::BatchFormat::JsonLines, 3, 2);
    FUZZ_CHECK(parallel.output == json.output && parallel.diagnostics == json.diagnostics &&
                   parallel.outcome.status == json.outcome.status,
               "three workers wrote something else than one; input: " + printable(input));

    std::vector<Row> rows = splitRows(input, true);
    const auto columns = rows.empty() ? std::nullopt : headerColumns(rows.front());
    if (!columns) {
        for (const Run* run : {&json, &csv}) {
            FUZZ_CHECK(run->outcome.status == 2 && !run->outcome.error.empty() &&
                           run->output.empty() && run->diagnostics.empty(),
                       "no usable header, yet status " + std::to_string(run->outcome.status) +
                           " and output " + printable(run->output) +
                           "; input: " + printable(input));
        }
        return 0;
    }
    rows.erase(rows.begin());

    std::vector<Expected> expected;
    std::uint64_t charted = 0;
    for (const Row& row : rows) {
        expected.push_back(expectedFor(row, *columns));
        charted += expected.back().chart ? 1 : 0;
    }
    const std::uint64_t refused = rows.size() - charted;
    for (const Run* run : {&json, &csv}) {
        FUZZ_CHECK(run->outcome.status == (refused == 0 ? 0 : 1) &&
                       run->outcome.charted == charted && run->outcome.refused == refused,
                   "status " + std::to_string(run->outcome.status) + " (" + run->outcome.error +
                       "), " + std::to_string(run->outcome.charted) + " charted, " +
                       std::to_string(run->outcome.refused) + " refused; expected " +
                       std::to_string(charted) + " and " + std::to_string(refused) +
                       "; input: " + printable(input));
    }
    checkJsonRun(json, rows, expected, input);
    checkCsvRun(csv, rows, expected, input);
    FUZZ_CHECK(json.diagnostics == csv.diagnostics,
               "the diagnostics depend on the output form; input: " + printable(input));
    return 0;
}
