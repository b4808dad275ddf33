#include "report/ReportWords.h"

#include "report/texts/InterpretationTextData.h"

#include <cstdio>

namespace orbenza {
namespace {

// By language, in the order of the Language enumeration.
const std::array<const ReportWords*, kLanguageCount> kWords{
    &texts::kReportWords,     &texts::de::kReportWords, &texts::fr::kReportWords,
    &texts::es::kReportWords, &texts::it::kReportWords, &texts::pt_BR::kReportWords,
    &texts::hi::kReportWords};

template <std::size_t N> bool allFilled(const std::array<std::string_view, N>& words) {
    for (std::string_view word : words)
        if (word.empty())
            return false;
    return true;
}

template <std::size_t N> bool filledFromSlotOne(const std::array<std::string_view, N>& words) {
    for (std::size_t i = 1; i < N; ++i)
        if (words[i].empty())
            return false;
    return true;
}

} // namespace

const ReportWords& reportWords(Language language) {
    const std::size_t index = indexOf(language);
    return *kWords[index < kLanguageCount ? index : 0];
}

std::string fillPattern(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string_view retrogradeLetter(Language language) {
    const std::string_view mark = reportWords(language).retrogradeMark;
    const std::size_t first = mark.find_first_not_of(" (");
    const std::size_t last = mark.find_last_not_of(" )");
    return first == std::string_view::npos ? mark : mark.substr(first, last + 1 - first);
}

std::string decimalText(double value, int decimals, Language language) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, reportWords(language).decimalSeparator);
    return text;
}

bool hasEveryWord(const ReportWords& w) {
    const bool lists =
        allFilled(w.pointNames) && allFilled(w.pointLabels) && allFilled(w.signNames) &&
        allFilled(w.monthNames) && allFilled(w.monthAbbreviations) &&
        allFilled(w.reportAspectNames) && allFilled(w.aspectNames) &&
        allFilled(w.planetHeadingPrefixes) && filledFromSlotOne(w.houseNames) &&
        filledFromSlotOne(w.houseDescriptionHeadings) && allFilled(w.characteristicsHeadings) &&
        allFilled(w.hemispheres) && allFilled(w.positions) && allFilled(w.signAbbreviations) &&
        allFilled(w.houseSystemNames) && allFilled(w.aspectSetNames);
    const std::array<std::string_view, 30> single{w.planetInHouse,
                                                  w.date,
                                                  w.born,
                                                  w.bornSummerTime,
                                                  w.bornIn,
                                                  w.coordinates,
                                                  w.computedFor,
                                                  w.daylightSaving,
                                                  w.natalChartOf,
                                                  w.sunSign,
                                                  w.moonSign,
                                                  w.ascendant,
                                                  w.houses,
                                                  w.house,
                                                  w.aspects,
                                                  w.none,
                                                  w.orb,
                                                  w.applying,
                                                  w.separating,
                                                  w.wheelTitle,
                                                  w.wheelTitleOfName,
                                                  w.houseCaption,
                                                  w.birthTimeWindows,
                                                  w.beyondTwelveHours,
                                                  w.polarCircleNote,
                                                  w.noCuspsNote,
                                                  w.equalHousesCaption,
                                                  w.clockCaution,
                                                  w.retrogradeMark,
                                                  w.decimalSeparator};
    return lists && allFilled(single);
}

} // namespace orbenza
