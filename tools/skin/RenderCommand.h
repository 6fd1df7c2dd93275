#pragma once

#include <QStringList>

// kestrune-skin render PACKAGE OBJECT WIDTH HEIGHT OUT.png: the named control object grown the
// way a skinned control grows it, at the size its resize mode allows.
// kestrune-skin render PACKAGE --form WIDTH HEIGHT OUT.png: the form frame's four strips for a
// window of that size, transparent outside the frame mask.
int RunRender(const QStringList& arguments);
