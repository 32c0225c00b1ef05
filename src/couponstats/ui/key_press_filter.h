#pragma once

#include <functional>

class QChar;
class QLineEdit;
class QString;
class QWidget;

namespace tav::couponstats {

// Hands every character typed into the edit to the handler before the edit sees it; a handler that
// sets the character to null drops the key. Keys that type nothing (arrows, Delete) pass untouched.
void SetKeyPress(QLineEdit *edit, std::function<void(QChar &key)> handler);

// A narrow edit of a row number or a bound: only digits, "-", Backspace, Tab and Enter pass.
QLineEdit *NewRangeEdit(QWidget *parent, const QString &text);

} // namespace tav::couponstats
