// kestrune-skin: tools for skin authors.

#include "PreviewCommand.h"
#include "RenderCommand.h"
#include "SkinToolCommand.h"
#include "SkinToolUsageError.h"

#include "error/KestruneError.h"

#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

int RunBuild(const QStringList& arguments);
int RunUnpack(const QStringList& arguments);
int RunDump(const QStringList& arguments);

namespace {

// Adding a sub-command: its file defines Run<Name>, declared above, and one line here.
const SkinToolCommand kCommands[] = {
    {"build", "DESCRIPTION OUT.skn", 2, 2, false, RunBuild},
    {"unpack", "PACKAGE DIR", 2, 2, false, RunUnpack},
    {"dump", "PACKAGE", 1, 1, false, RunDump},
    {"render", "PACKAGE OBJECT|--form WIDTH HEIGHT OUT.png", 5, 5, false, RunRender},
    {"preview", "PACKAGE|\"\" CONTROL WIDTH HEIGHT OUT.png [key=value ...]", 5, -1, true, RunPreview},
};

int Usage()
{
    std::fputs("usage:\n", stderr);
    for (const SkinToolCommand& command : kCommands)
        std::fprintf(stderr, "  kestrune-skin %s %s\n", command.word, command.usage);
    std::fprintf(stderr, "    preview controls and keys:\n%s\n", qPrintable(PreviewUsage()));
    return 2;
}

bool TakesArguments(const SkinToolCommand& command, qsizetype count)
{
    return count >= command.minArguments && (command.maxArguments < 0 || count <= command.maxArguments);
}

// Qt's remarks about the session it runs in (a runtime directory, fonts) are no concern of a
// skin author: the tool's own refusals stay the only lines on standard error.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Widgets are drawn off screen: a preview never opens a window on the desktop.
std::unique_ptr<QCoreApplication> MakeApplication(bool widgets, int& argc, char** argv)
{
    if (!widgets)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        return Usage();
    const QString word = arguments.takeFirst();
    const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                       [&](const SkinToolCommand& c) { return word == QLatin1String(c.word); });
    if (command == std::end(kCommands) || !TakesArguments(*command, arguments.size()))
        return Usage();
    const auto application = MakeApplication(command->widgets, argc, argv);
    try {
        return command->run(arguments);
    } catch (const SkinToolUsageError& e) {
        std::fprintf(stderr, "kestrune-skin %s: %s\n", command->word, qPrintable(e.message()));
        return 2;
    } catch (const KestruneError& e) {
        std::fprintf(stderr, "kestrune-skin %s: %s\n", command->word, qPrintable(e.message()));
        return 1;
    }
}
