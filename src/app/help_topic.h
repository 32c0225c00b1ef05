#pragma once

#include <QString>

namespace tav::app {

// The program's help: one HTML page per topic in the program folder's help folder, opened by the
// topic's context number.

// help/<context>.html under the program folder.
QString HelpTopicFile(int context);

// Opens the topic's page in the desktop's browser; false when the page is missing or nothing
// could be started.
bool ShowHelpTopic(int context);

// Copies the help pages that ship inside the program into the help folder, each only when it is
// missing there (the user may replace a page). False when a page could not be copied.
bool InstallHelpPages();

} // namespace tav::app
