// How many times the plain build's time limits the tests may take. The
// AddressSanitizer build runs several times slower, so its limits grow with it;
// the limits still catch a search or a list that has become far too slow.
#pragma once

namespace orbenza::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr double kTimingAllowance = 5.0;
#else
inline constexpr double kTimingAllowance = 1.0;
#endif

} // namespace orbenza::testing
