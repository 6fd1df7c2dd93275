#pragma once

#include <QStringList>

// One sub-command of kestrune-skin: its word, the arguments it takes, and the function that
// runs it with those arguments (the word removed). Run returns the process exit code and
// raises KestruneError for failures, which main reports on standard error.
struct SkinToolCommand {
    const char* word;
    const char* usage;
    int argumentCount;
    int (*run)(const QStringList& arguments);
};
