#pragma once

#include <cstdint>

// A small deterministic generator, so every run scores the same matches.
class TScores
{
public:
    int Next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % 5);
    }

private:
    std::uint64_t state_ = 2024;
};
