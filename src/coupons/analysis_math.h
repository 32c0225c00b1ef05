#pragma once

#include <cstdint>

// The small numeric helpers of the coupon analysis: the form estimate and the sign picks use them.
namespace tav::coupons {

// X to the power Y as exp(Y × ln X); 1 when X is 0. X must not be negative.
float PowerXY(float X, float Y);
// The larger of two bytes (B when they are equal).
std::uint8_t MaxByte(std::uint8_t A, std::uint8_t B);
// -1 for a negative value, 1 for a positive one or zero.
float SignOrOne(float V);
// The value, or 1 when it is zero, so that it can divide.
float NonZeroOrOne(float V);
int NonZeroOrOneInt(int N);

} // namespace tav::coupons
