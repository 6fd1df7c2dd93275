// kestrune: the desktop client for the portal fixed at build time. It takes no arguments.
#include "app/Startup.h"

int main(int argc, char** argv)
{
    return RunClient(argc, argv, QStringLiteral(KESTRUNE_PORTAL_URL));
}
