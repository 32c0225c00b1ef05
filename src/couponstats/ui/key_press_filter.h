#pragma once

#include <functional>

class QChar;
class QLineEdit;

namespace tav::couponstats {

// Hands every character typed into the edit to the handler before the edit sees it; a handler that
// sets the character to null drops the key. Keys that type nothing (arrows, Delete) pass untouched.
void SetKeyPress(QLineEdit *edit, std::function<void(QChar &key)> handler);

} // namespace tav::couponstats
