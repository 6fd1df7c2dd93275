#pragma once

#include <QString>

// The debugger output of this platform: one line per message on standard error. Line
// breaks inside the message become blanks so that one message stays one line.
void OutputDebugLine(QString message);
