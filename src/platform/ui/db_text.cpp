#include "platform/ui/db_text.h"

TDBText::TDBText(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    link_.OnDataChange = [this]() {
        const TField *field = Field();
        setText(field ? field->DisplayText() : QString());
    };
}
