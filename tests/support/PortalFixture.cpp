#include "support/PortalFixture.h"

#include <stdexcept>

PortalFixture::PortalFixture() : server_(std::make_unique<PortalServer>(QStringLiteral(KESTRUNE_DEMO_PORTAL_DIR)))
{
    if (!server_->Listen(0))
        throw std::runtime_error("cannot start the demo portal");
}
