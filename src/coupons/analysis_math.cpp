#include "coupons/analysis_math.h"

#include <cmath>

namespace tav::coupons {

float PowerXY(float X, float Y)
{
    if (X == 0)
        return 1;
    return std::exp(Y * std::log(X));
}

std::uint8_t MaxByte(std::uint8_t A, std::uint8_t B)
{
    return A > B ? A : B;
}

float SignOrOne(float V)
{
    return V < 0 ? -1.0F : 1.0F;
}

float NonZeroOrOne(float V)
{
    return V == 0 ? 1.0F : V;
}

int NonZeroOrOneInt(int N)
{
    return N == 0 ? 1 : N;
}

} // namespace tav::coupons
