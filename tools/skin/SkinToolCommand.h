#pragma once

#include <QStringList>

// One sub-command of kestrune-skin: its word, the arguments it takes (at least minArguments,
// at most maxArguments, -1 for any number more), whether it builds widgets (it then runs with
// a widget application on the offscreen platform), and the function that runs it with those
// arguments (the word removed). Run returns the process exit code and raises KestruneError
// for failures, which main reports on standard error (SkinToolUsageError with exit code 2).
struct SkinToolCommand {
    const char* word;
    const char* usage;
    int minArguments;
    int maxArguments;
    bool widgets;
    int (*run)(const QStringList& arguments);
};
