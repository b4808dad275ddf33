#include "AafCommands.h"

#include "AtomicOutput.h"
#include "ByteSink.h"
#include "ByteSource.h"
#include "ChartOptions.h"
#include "Commands.h"
#include "base/MessageText.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace orbenza::cli {

namespace {

constexpr int kExitSomeRefused = 1;
// How many refused charts are listed before the rest are counted.
constexpr std::size_t kListedRefusals = 20;

std::string problemText(store::AafProblem problem) {
    using store::AafProblem;
    switch (problem) {
    case AafProblem::None:
        return {};
    case AafProblem::A93Fields:
        return "an #A93 record needs 7 fields: name, first name, sex, date, time, place, country";
    case AafProblem::B93Fields:
        return "a #B93 record needs 5 fields: Julian day, latitude, longitude, zone, summer time";
    case AafProblem::MissingB93:
        return "the #A93 record has no #B93 record after it";
    case AafProblem::StrayB93:
        return "the #B93 record has no #A93 record before it";
    case AafProblem::Date:
        return "the date must look like day.month.year";
    case AafProblem::Time:
        return "the time must look like hh:mm or hh:mm:ss";
    case AafProblem::UnknownTime:
        return "the date or the time of birth is unknown";
    case AafProblem::Latitude:
        return "the latitude must look like 49n05";
    case AafProblem::Longitude:
        return "the longitude must look like 8e12";
    case AafProblem::Zone:
        return "the zone difference must look like 1hE00, 5hW00 or 0mE34";
    case AafProblem::SummerTime:
        return "the summer time flag must be 0, 1 or *";
    case AafProblem::JulianDay:
        return "the Julian day must be a number";
    case AafProblem::UnknownClock:
        return "both the zone difference and the Julian day are unknown";
    case AafProblem::Disagrees:
        return "the Julian day disagrees with the date, time and zone by a minute or more";
    case AafProblem::Record:
        return "the chart cannot be drawn";
    }
    return {};
}

bool readWhole(const std::string& file, std::string& text, std::string& error) {
    FileSource source;
    if (!source.open(file)) {
        error = source.error();
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        const std::ptrdiff_t got = source.read(buffer, sizeof buffer);
        if (got < 0) {
            error = source.error();
            return false;
        }
        if (got == 0)
            return true;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

std::string aafRefusalText(const store::AafRefusal& refusal) {
    std::string text = "line " + std::to_string(refusal.line) + ": " + problemText(refusal.problem);
    if (refusal.problem == store::AafProblem::Record)
        text += ": " +
                (refusal.input ? std::string(inputProblemMessage(*refusal.input)) : refusal.detail);
    else if (!refusal.detail.empty())
        text += ", not \"" + refusal.detail + "\"";
    return text;
}

int importAafFile(const std::string& file, store::ChartLibrary& library,
                  const std::function<bool()>& openLibrary) {
    std::string text, error;
    if (!readWhole(file, text, error))
        return printError(error);
    store::AafRead read = store::readAaf(text);
    if (read.a93Lines == 0)
        return printError(file + ": no #A93 record; is it an AAF file?");
    std::string listed;
    for (std::size_t i = 0; i < read.refusals.size() && i < kListedRefusals; ++i)
        listed += printableText(file + ": " + aafRefusalText(read.refusals[i])) + "\n";
    if (read.refusals.size() > kListedRefusals)
        listed += printableText(file) + ": " +
                  counted(read.refusals.size() - kListedRefusals, "more chart", "more charts") +
                  " refused\n";
    (void)writeWhole(STDERR_FILENO, listed);
    if (!read.records.empty()) {
        if (!openLibrary() || !library.addAll(read.records))
            return printError(library.error());
    }
    std::string summary = "imported " + counted(read.records.size(), "chart", "charts");
    if (!read.refusals.empty())
        summary += ", refused " + std::to_string(read.refusals.size());
    summary += '\n';
    if (const int status = writeOut(summary); status != 0)
        return status;
    return read.refusals.empty() ? 0 : kExitSomeRefused;
}

int exportAafFile(const std::vector<store::ChartRecord>& records, const std::string& file) {
    std::string out;
    for (const auto& record : records) {
        if (store::aafAltersTexts(record))
            std::cerr << "orbenza-cli: chart " << record.id
                      << ": a comma or line break in its texts is written as ; or a space\n";
        out += store::aafOfRecord(record);
    }
    if (file.empty())
        return writeOut(out);
    std::string error;
    if (!writeFileAtomically(file, out, error))
        return printError(error);
    return 0;
}

} // namespace orbenza::cli
