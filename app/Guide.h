#pragma once

#include <QString>

// "Informacje" → "Podręcznik": the user guide as a web page, where the package installs
// it (the share folder beside the program's bin folder; a build tree has the same
// shape), opened in the desktop's browser. What stands in the way is said in Polish.
QString GuidePath();
void OpenGuide();
