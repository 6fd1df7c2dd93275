// kestrune-skin: tools for skin authors.

#include "RenderCommand.h"
#include "SkinToolCommand.h"

#include "error/KestruneError.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <iterator>

int RunBuild(const QStringList& arguments);
int RunUnpack(const QStringList& arguments);
int RunDump(const QStringList& arguments);

namespace {

// Adding a sub-command: its file defines Run<Name>, declared above, and one line here.
const SkinToolCommand kCommands[] = {
    {"build", "DESCRIPTION OUT.skn", 2, RunBuild},
    {"unpack", "PACKAGE DIR", 2, RunUnpack},
    {"dump", "PACKAGE", 1, RunDump},
    {"render", "PACKAGE OBJECT|--form WIDTH HEIGHT OUT.png", 5, RunRender},
};

int Usage()
{
    std::fputs("usage:\n", stderr);
    for (const SkinToolCommand& command : kCommands)
        std::fprintf(stderr, "  kestrune-skin %s %s\n", command.word, command.usage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return Usage();
    const QString word = arguments.takeFirst();
    const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                       [&](const SkinToolCommand& c) { return word == QLatin1String(c.word); });
    if (command == std::end(kCommands) || arguments.size() != command->argumentCount)
        return Usage();
    try {
        return command->run(arguments);
    } catch (const KestruneError& e) {
        std::fprintf(stderr, "kestrune-skin %s: %s\n", command->word, qPrintable(e.message()));
        return 1;
    }
}
