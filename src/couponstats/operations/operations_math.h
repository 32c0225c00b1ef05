#pragma once

#include <cstdint>

// Small numeric helpers of the odds estimate, shared with the coupon analysis screen.
namespace tav::operations {

// X to the power Y as exp(Y × ln X); X must be positive.
double PowerXY(double X, double Y);
// The larger of two bytes.
std::uint8_t MaxByte(std::uint8_t A, std::uint8_t B);
// -1 for a negative value, else 1 (zero gives 1).
double SignOrOne(double V);
// The value, or 1 when it is zero, so that it can divide.
double NonZeroOrOne(double V);

} // namespace tav::operations
