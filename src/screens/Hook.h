// A replaceable hook: the screens reach dialogs, message boxes and the browser
// through one of these, so tests can put a recorder in their place.
#pragma once

#include <utility>

namespace orbenza {

// Puts next in place of current (fallback when next is empty) and returns what
// was there before.
template <typename Function>
Function replaceHook(Function& current, Function next, Function fallback) {
    Function previous = std::move(current);
    current = next ? std::move(next) : std::move(fallback);
    return previous;
}

} // namespace orbenza
