#include "present/PositionText.h"

#include "report/ReportWords.h"

#include <algorithm>

namespace orbenza {

namespace {

// Appends a whole number of 0 to 99 in plain decimal, without leading zeros.
char* appendNumber(char* out, int value) {
    if (value >= 10)
        *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

char* appendTwoDigits(char* out, int value) {
    *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// The sign's abbreviation in the language; English takes it from the sign.
std::string_view abbreviationOf(Sign sign, Language language) {
    return language == Language::English ? signAbbreviation(sign)
                                         : reportWords(language).signAbbreviations[indexOf(sign)];
}

// Longest abbreviation in bytes (six Devanagari letters and marks in UTF-8).
constexpr std::size_t kMaxAbbreviationBytes = 18;

std::string_view clippedAbbreviation(Sign sign, Language language) {
    return abbreviationOf(sign, language).substr(0, kMaxAbbreviationBytes);
}

} // namespace

std::string positionText(const ZodiacPosition& position, Language language) {
    char buffer[21 + kMaxAbbreviationBytes]; // at most "29° 59' 59\" " and the sign
    char* out = appendNumber(buffer, position.degrees);
    out = std::copy_n("\xC2\xB0 ", 3, out); // degree sign (UTF-8) and a blank
    out = appendNumber(out, position.minutes);
    out = std::copy_n("' ", 2, out);
    out = appendNumber(out, position.seconds);
    out = std::copy_n("\" ", 2, out);
    const std::string_view sign = clippedAbbreviation(position.sign, language);
    out = std::copy(sign.begin(), sign.end(), out);
    return std::string(buffer, out);
}

std::string shortPositionText(const ZodiacPosition& position, Language language) {
    char buffer[6 + kMaxAbbreviationBytes];
    char* out = appendTwoDigits(buffer, position.degrees);
    *out++ = ' ';
    const std::string_view sign = clippedAbbreviation(position.sign, language);
    out = std::copy(sign.begin(), sign.end(), out);
    *out++ = ' ';
    out = appendTwoDigits(out, position.minutes);
    return std::string(buffer, out);
}

std::string shortPositionText(double longitudeDeg, Language language) {
    return shortPositionText(zodiacPositionOf(longitudeDeg), language);
}

std::string bodyLabelText(Body body, bool retrograde) {
    std::string label(bodyLabel(body));
    if (retrograde && canBeRetrograde(body))
        label += kRetrogradeMark;
    return label;
}

ChartTexts chartTexts(const ChartResult& chart, Language language) {
    ChartTexts texts;
    for (Body body : kAllBodies) {
        texts.planetPositions[indexOf(body)] =
            shortPositionText(chart.zodiacPositions[body], language);
        texts.planetNames[indexOf(body)] = bodyLabelText(body, chart.retrograde[body]);
    }
    texts.ascendantText = positionText(chart.zodiacPositions[Body::Ascendant], language);
    texts.moonPositionText = positionText(chart.zodiacPositions[Body::Moon], language);
    texts.moonSignName = std::string(signName(chart.moonSign()));
    return texts;
}

} // namespace orbenza
