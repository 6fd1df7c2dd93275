// kestrune-pack: the resource pack tool for portal operators.
//   kestrune-pack build MANIFEST OUT.dll
//   kestrune-pack list PACK
//   kestrune-pack extract PACK TYPE NAME OUT
//   kestrune-pack check PACK
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
    else if (command == u"check" && args.size() == 2)
        return PackCommands::check(args.at(1), out) ? 0 : Failed;
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
        const int code = run(args);
        if (code == Usage) {
            std::fputs("usage: kestrune-pack build MANIFEST OUT.dll\n"
                       "       kestrune-pack list PACK\n"
                       "       kestrune-pack extract PACK TYPE NAME OUT\n"
                       "       kestrune-pack check PACK\n",
                       stderr);
            return Usage;
        }
        return code;
    } catch (const KestruneError& error) {
        std::fprintf(stderr, "kestrune-pack: %s\n", error.message().toLocal8Bit().constData());
        return Failed;
    }
}
