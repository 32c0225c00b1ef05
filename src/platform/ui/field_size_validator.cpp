#include "platform/ui/field_size_validator.h"

#include "platform/db/field.h"

#include <algorithm>

QValidator::State TFieldSizeValidator::validate(QString &input, int &pos) const
{
    if (size_ <= 0 || input.size() <= size_)
        return Acceptable;
    // The cursor stands after what was typed or pasted: the text before it gives way, the text
    // after it stays (a text set whole has the cursor at its end).
    const int cursor = std::clamp(pos, 0, int(input.size()));
    const QString after = input.mid(cursor);
    if (after.size() > size_) {
        input = TextCutToSize(input, size_);
        pos = std::min(cursor, int(input.size()));
        return Acceptable;
    }
    const QString before = TextCutToSize(input.left(cursor), size_ - int(after.size()));
    input = before + after;
    pos = int(before.size());
    return Acceptable;
}
