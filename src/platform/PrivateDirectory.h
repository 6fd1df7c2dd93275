#pragma once

#include <QString>

// The user's private runtime directory (mode 0700, owned by the user): the runtime
// directory of the session when there is one, else a directory of this user's own under
// the system's temporary directory, made and checked here. Empty when neither can be had.
QString PrivateRuntimeDirectory();
