#include "present/PositionText.h"

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

} // namespace

std::string positionText(const ZodiacPosition& position) {
    char buffer[24]; // at most "29° 59' 59\" Pis"
    char* out = appendNumber(buffer, position.degrees);
    out = std::copy_n("\xC2\xB0 ", 3, out); // degree sign (UTF-8) and a blank
    out = appendNumber(out, position.minutes);
    out = std::copy_n("' ", 2, out);
    out = appendNumber(out, position.seconds);
    out = std::copy_n("\" ", 2, out);
    const std::string_view sign = signAbbreviation(position.sign);
    out = std::copy(sign.begin(), sign.end(), out);
    return std::string(buffer, out);
}

std::string shortPositionText(const ZodiacPosition& position) {
    char buffer[9];
    char* out = appendTwoDigits(buffer, position.degrees);
    *out++ = ' ';
    const std::string_view sign = signAbbreviation(position.sign);
    out = std::copy(sign.begin(), sign.end(), out);
    *out++ = ' ';
    out = appendTwoDigits(out, position.minutes);
    return std::string(buffer, out);
}

std::string shortPositionText(double longitudeDeg) {
    return shortPositionText(zodiacPositionOf(longitudeDeg));
}

std::string bodyLabelText(Body body, bool retrograde) {
    std::string label(bodyLabel(body));
    if (retrograde && canBeRetrograde(body))
        label += kRetrogradeMark;
    return label;
}

ChartTexts chartTexts(const ChartResult& chart) {
    ChartTexts texts;
    for (Body body : kAllBodies) {
        texts.planetPositions[indexOf(body)] = shortPositionText(chart.zodiacPositions[body]);
        texts.planetNames[indexOf(body)] = bodyLabelText(body, chart.retrograde[body]);
    }
    texts.ascendantText = positionText(chart.zodiacPositions[Body::Ascendant]);
    texts.moonPositionText = positionText(chart.zodiacPositions[Body::Moon]);
    texts.moonSignName = std::string(signName(chart.moonSign()));
    return texts;
}

} // namespace orbenza
