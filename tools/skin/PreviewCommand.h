#pragma once

#include <QStringList>

// kestrune-skin preview PACKAGE CONTROL WIDTH HEIGHT OUT.png [key=value ...]: the real control
// built on an offscreen window with PACKAGE loaded into a skin store ("" for none), put into
// the asked state and saved as a PNG. The controls and their keys are the previewers of
// tools/skin/preview/.
int RunPreview(const QStringList& arguments);

// The usage lines of the previewers, one per control.
QString PreviewUsage();
