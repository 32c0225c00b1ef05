#pragma once

#include <QString>

// Path strings of the styled controls. The path delimiter is "/".
namespace tav::styled {

inline constexpr QChar PathDelimiter = u'/';

// True for the empty string or one of blanks only.
bool IsBlank(const QString &text);
QString Trim(const QString &text);
// The path with a trailing delimiter; a blank path gets one appended.
QString AddBackslash(const QString &path);
// The path without its trailing delimiter; a blank path is returned unchanged.
QString RemoveBackslash(const QString &path);

} // namespace tav::styled
