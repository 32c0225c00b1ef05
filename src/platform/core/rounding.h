#pragma once

#include <cstdint>

// Nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2), the
// rounding of every computed percentage and odd. It works on the exact binary value: 2.675 * 100
// is 267.49999999999997 and gives 267. A value that is no number or lies outside the 64-bit
// range raises EConvertError.
std::int64_t Round(double value);
