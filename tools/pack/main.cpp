// kestrune-pack: the resource pack tool for portal operators.
//   kestrune-pack build MANIFEST OUT.dll
//   kestrune-pack list PACK
//   kestrune-pack extract PACK TYPE NAME OUT
#include "PackCommands.h"

#include "error/KestruneError.h"

#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int Failed = 1;
constexpr int Usage = 2;

int run(const QStringList& args)
{
    QTextStream out(stdout);
    const QString command = args.value(0);
    if (command == u"build" && args.size() == 3)
        PackCommands::build(args.at(1), args.at(2));
    else if (command == u"list" && args.size() == 2)
        PackCommands::list(args.at(1), out);
    else if (command == u"extract" && args.size() == 5)
        PackCommands::extract(args.at(1), args.at(2), args.at(3), args.at(4));
    else
        return Usage;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    try {
        if (run(args) == Usage) {
            std::fputs("usage: kestrune-pack build MANIFEST OUT.dll\n"
                       "       kestrune-pack list PACK\n"
                       "       kestrune-pack extract PACK TYPE NAME OUT\n",
                       stderr);
            return Usage;
        }
    } catch (const KestruneError& error) {
        std::fprintf(stderr, "kestrune-pack: %s\n", error.message().toLocal8Bit().constData());
        return Failed;
    }
    return 0;
}
