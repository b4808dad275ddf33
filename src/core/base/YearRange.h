// The birth years the program admits: the station tables, the orbital elements
// and the time-zone history are all checked over this range.
#pragma once

namespace orbenza {

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

constexpr bool isAdmittedYear(int year) {
    return year >= kFirstYear && year <= kLastYear;
}

} // namespace orbenza
