#include "Batch.h"

#include "BatchCsvWriter.h"
#include "BatchRow.h"
#include "ChartJsonWriter.h"
#include "CsvReader.h"
#include "WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <exception>
#include <vector>

namespace orbenza::cli {

namespace {

// What a stretch of rows gave besides its output: the lines for the
// diagnostics and the counts.
struct ChunkTally {
    std::string diagnostics;
    std::uint64_t charted = 0, refused = 0;
};

struct Worker {
    explicit Worker(bool withReport) : json(withReport) {}
    ChartJsonWriter json;
    std::string failure; // an exception that escaped a row
};

class BatchRun {
public:
    BatchRun(const BatchColumns& columns, BatchFormat format, Positions positions, bool withWindows,
             const atlas::Atlas& atlas, const ChartChoices& choices)
        : m_columns(columns), m_format(format), m_positions(positions), m_withWindows(withWindows),
          m_atlas(atlas), m_choices(choices) {}

    void row(const CsvRecord& record, OutputBuffer& output, ChunkTally& tally,
             ChartJsonWriter& json) const {
        const auto input = batchRowInput(record, m_columns, m_atlas);
        if (const auto* error = std::get_if<OptionError>(&input)) {
            refuse(record, error->message, output, tally);
            return;
        }
        BatchRowInput row = std::get<BatchRowInput>(input);
        row.input.positions = m_positions;
        // The windows read the clock the input keeps for a row of a place or
        // zone, clock changes inside them included.
        auto outcome = chartOfInput(row.input, m_choices);
        if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
            refuse(record, inputProblemMessage(refusal->problem), output, tally);
            return;
        }
        ChartResult& chart = std::get<ChartResult>(outcome);
        // A clock time from the atlas or a zone: the line ends with "Place", as
        // a single chart's does.
        const PlaceClockInfo* place = row.place ? &*row.place : nullptr;
        if (m_format == BatchFormat::Csv) {
            appendChartCsv(output.text, chart, record.line);
        } else {
            if (m_withWindows)
                addBirthTimeWindows(chart);
            if (!json.append(output, chart, place)) {
                refuse(record, "the chart's texts are not valid UTF-8", output, tally);
                return;
            }
            output.text += '\n';
        }
        ++tally.charted;
    }

private:
    void refuse(const CsvRecord& record, std::string_view message, OutputBuffer& output,
                ChunkTally& tally) const {
        if (m_format == BatchFormat::Csv) {
            const std::size_t namePosition = m_columns.position[0];
            const std::string_view name =
                record.error.empty() && namePosition < record.fields.size()
                    ? std::string_view(record.fields[namePosition])
                    : std::string_view{};
            appendBatchErrorCsv(output.text, name, record.line, message);
        } else {
            appendBatchErrorJson(output.text, record.line, message);
            output.text += '\n';
        }
        tally.diagnostics += "line " + std::to_string(record.line) + ": ";
        tally.diagnostics.append(message);
        tally.diagnostics += '\n';
        ++tally.refused;
    }

    BatchColumns m_columns;
    BatchFormat m_format;
    Positions m_positions;
    bool m_withWindows;
    const atlas::Atlas& m_atlas;
    ChartChoices m_choices;
};

} // namespace

BatchOutcome runBatch(ByteSource& input, ByteSink& output, ByteSink& diagnostics,
                      const BatchOptions& options) {
    BatchOutcome outcome;
    auto fail = [&](std::string message) {
        outcome.status = 2;
        outcome.error = std::move(message);
        return outcome;
    };

    CsvReader reader(input);
    CsvRecord header;
    if (!reader.next(header))
        return fail(reader.failed() ? reader.error() : "the input has no header row");
    if (!header.error.empty())
        return fail("the header row: " + header.error);
    const auto columns = batchColumns(header.fields);
    if (const auto* error = std::get_if<OptionError>(&columns))
        return fail(error->message);
    // Places need the atlas: without it no row could be charted. Other rows
    // never read it.
    const atlas::Atlas none;
    const bool withPlaces = std::get<BatchColumns>(columns).place.has_value();
    const atlas::Atlas& atlas = withPlaces ? programAtlas() : none;
    if (withPlaces && !atlas.available())
        return fail(atlas.unavailableReason());
    if (options.format == BatchFormat::Csv && !output.write(batchCsvHeader()))
        return fail(output.error());

    // The rows are read a block at a time; the workers take them a chunk at
    // a time, so a worker slowed down by other programs holds up no one, and
    // the chunks are written in order.
    const unsigned jobs = std::max(1u, options.jobs);
    const std::size_t chunkRows = std::max<std::size_t>(1, options.rowsPerChunk);
    const std::size_t blockSize = std::max<std::size_t>(1, options.rowsPerJob) * jobs;
    std::vector<CsvRecord> block(blockSize);
    const std::size_t chunkCount = (blockSize + chunkRows - 1) / chunkRows;
    std::vector<OutputBuffer> chunkOutputs(chunkCount);
    std::vector<ChunkTally> chunkTallies(chunkCount);
    std::deque<Worker> workers; // never moved: each holds its writer
    for (unsigned i = 0; i < jobs; ++i)
        workers.emplace_back(options.withReport);
    std::size_t blockRows = 0;
    std::atomic<std::size_t> nextChunk{0};
    const BatchRun run(std::get<BatchColumns>(columns), options.format, options.positions,
                       options.withWindows, atlas, options.choices);

    WorkerPool pool(jobs, [&](unsigned index) {
        Worker& worker = workers[index];
        try {
            for (;;) {
                const std::size_t chunk = nextChunk.fetch_add(1, std::memory_order_relaxed);
                const std::size_t begin = chunk * chunkRows;
                if (begin >= blockRows)
                    break;
                const std::size_t end = std::min(blockRows, begin + chunkRows);
                for (std::size_t i = begin; i < end; ++i)
                    run.row(block[i], chunkOutputs[chunk], chunkTallies[chunk], worker.json);
            }
        } catch (const std::exception& e) {
            worker.failure = e.what();
        }
    });

    std::string diagnosticLines;
    bool more = true;
    while (more) {
        blockRows = 0;
        while (blockRows < block.size() && reader.next(block[blockRows]))
            ++blockRows;
        more = blockRows == block.size();
        if (blockRows == 0)
            break;
        nextChunk.store(0, std::memory_order_relaxed);
        pool.runAll();
        for (const Worker& worker : workers) {
            if (!worker.failure.empty())
                return fail("a row could not be charted: " + worker.failure);
        }
        const std::size_t used = (blockRows + chunkRows - 1) / chunkRows;
        if (!output.write(chunkOutputs.data(), used))
            return fail(output.error());
        diagnosticLines.clear();
        for (std::size_t i = 0; i < used; ++i) {
            ChunkTally& tally = chunkTallies[i];
            diagnosticLines += tally.diagnostics;
            outcome.charted += tally.charted;
            outcome.refused += tally.refused;
            tally.diagnostics.clear();
            tally.charted = tally.refused = 0;
            chunkOutputs[i].clear();
        }
        if (options.progress != nullptr && !diagnosticLines.empty())
            options.progress->clear(); // the refused rows' lines start on a line of their own
        diagnostics.write(diagnosticLines);
        if (options.progress != nullptr) {
            const std::optional<std::uint64_t> size = input.size();
            options.progress->update(outcome.charted + outcome.refused,
                                     size && *size > 0
                                         ? std::optional(static_cast<double>(input.bytesRead()) /
                                                         static_cast<double>(*size))
                                         : std::nullopt);
        }
    }
    if (options.progress != nullptr)
        options.progress->finish();
    if (reader.failed())
        return fail(reader.error());
    outcome.status = outcome.refused == 0 ? 0 : 1;
    return outcome;
}

} // namespace orbenza::cli
