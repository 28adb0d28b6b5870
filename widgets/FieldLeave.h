#pragma once

#include <functional>

class QWidget;

// Runs the handler, under the general error report, when the user leaves the field:
// the focus goes elsewhere by Tab, Backtab, a mouse click or a shortcut. A popup, a
// message box or another window taking the focus is not leaving, so a check that
// colours a field never fires while a chooser or a warning is up.
void OnFieldLeave(QWidget *field, std::function<void()> handler);
