#pragma once

class QImage;

// Scales a 24-bit picture into a 24-bit target of its own size, bilinearly in fixed point with 15
// fraction bits: each target pixel blends the four source pixels around the point it stands for.
// A target without width or height is left alone; the last source column and row stand in for
// their missing right and lower neighbours.
void StretchBitmap(const QImage &source, QImage &target);
