// The checks every chart run passes before it computes anything. Shared by
// the birth details screen and the command line, so both refuse the same
// input with the same words.
#pragma once

#include "base/YearRange.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbenza {

// What the birth details screen holds when "Proceed" is pressed.
struct InputFields {
    std::string name;
    std::string longitudeDegrees; // txtLonD
    std::string longitudeMinutes; // txtLonM
    std::string latitudeDegrees;  // txtLatD
    std::string latitudeMinutes;  // txtLatM
    int monthPosition = 0;        // cboMonth list position, 0 = January
    int dayPosition = 0;          // cboDate list position, 0 = day 1
    int year = kFirstYear;        // cboYear value
};

enum class MessageIcon { Error, Information };

// The box that receives the focus after a refusal.
enum class InputField {
    None,
    Name,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes
};

struct InputRefusal {
    std::string_view message;
    MessageIcon icon;
    InputField focus;
    friend bool operator==(const InputRefusal&, const InputRefusal&) = default;
};

// Check_Input: nothing when the run may go on, otherwise the first refusal.
std::optional<InputRefusal> Check_Input(const InputFields& fields);

// A character a person's name may hold: a letter of any script (Unicode
// categories L*), a combining mark (M*, as in a decomposed "ë" or an Indic
// vowel sign), the blank, the hyphen, the apostrophe (' or the typographic
// U+2019), the full stop, and the zero-width joiner and non-joiner some
// scripts write inside words. The name box's key filter lets exactly these in.
bool isPersonNameCharacter(char32_t c);

// A name as people write their own: valid UTF-8, only the characters above,
// blanks around it ignored, and beginning with a letter; a combining mark, a
// full stop or a joiner follows a letter (or mark); a hyphen or an apostrophe
// stands between two letters. So "Zoë", "Ångström", "Σοφία", "Ян",
// "Jean-Luc", "O'Brien" and "J. R. R. Tolkien" pass; "Ann1", "A_B", "-Ann",
// "Ann-", "O''Brien" and an empty name do not.
bool isValidPersonName(std::string_view utf8);

// The numeric value of a coordinate box after trimming blanks; nothing when
// the text is empty, holds anything but digits, or does not fit in 16 bits.
std::optional<int> coordinateValue(std::string_view text);

// Every message Check_Input can give, in the order it tries its tests.
inline constexpr std::string_view kMessageEnterName = "Please Enter Name";
inline constexpr std::string_view kMessageLongitudeDegrees =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
inline constexpr std::string_view kMessageLongitudeMinutes =
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
inline constexpr std::string_view kMessageLatitudeDegrees =
    "Please Enter Value Between 0 And 89 in the Degree of Latitude";
inline constexpr std::string_view kMessageLatitudeMinutes =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
inline constexpr std::string_view kMessageFebruaryDate = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view kMessageThirtyDayMonth = "Please Enter Correct Date Or Month !";

// The key filters' messages (kMessageOnlyLetters also refuses a name that is
// not isValidPersonName) and the coordinates look-up's messages.
inline constexpr std::string_view kMessageOnlyNumbers = "Only Numbers Are Accepted";
inline constexpr std::string_view kMessageOnlyLetters = "Please Enter only Letters";
inline constexpr std::string_view kMessageEnterCity = "Please Enter City";
inline constexpr std::string_view kMessageEnterState = "Please Enter State";
inline constexpr std::string_view kMessageEnterCountry = "Please Enter Country";
inline constexpr std::string_view kMessageAlreadyRunning = "Application is already running";

} // namespace orbenza
