#pragma once

#include <QString>

// The client's temporary directory, with its trailing separator: a private directory of
// this user (see PrivateRuntimeDirectory), so nobody else can plant files or links in it.
// Empty when it cannot be had or its path is 255 characters or longer.
QString GetTempDirectory();

// Set once while the main window is created.
extern QString TempDirectory;
