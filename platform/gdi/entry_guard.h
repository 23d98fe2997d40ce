// Keeps exceptions (in practice only std::bad_alloc from trace text) inside
// the C entry points: a failed operation does nothing and returns `fallback`.
#pragma once

#include <utility>

namespace gdi {

template <typename Body>
void guarded(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

template <typename Result, typename Body>
Result guarded(Result fallback, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return fallback;
  }
}

}  // namespace gdi
