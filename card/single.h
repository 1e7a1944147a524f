// Decimal constants of the handicapping rules are single-precision values, widened to the
// extended precision of the arithmetic. 22.2 as a float is a little above 22.2, so a cell
// holding exactly 22.2 lies below the bound, and the figures depend on that. Writing every
// such constant through single() keeps a missing `f` from quietly moving a bound: a double
// argument does not compile.
#pragma once

#include <concepts>

namespace kestravo {

template <typename T>
requires std::same_as<T, float>
consteval long double single(T value) { return value; }

}  // namespace kestravo
