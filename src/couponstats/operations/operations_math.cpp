#include "couponstats/operations/operations_math.h"

#include <cmath>

namespace tav::operations {

double PowerXY(double X, double Y)
{
    return std::exp(Y * std::log(X));
}

std::uint8_t MaxByte(std::uint8_t A, std::uint8_t B)
{
    return A > B ? A : B;
}

double SignOrOne(double V)
{
    return V < 0 ? -1 : 1;
}

double NonZeroOrOne(double V)
{
    return V == 0 ? 1 : V;
}

} // namespace tav::operations
