#pragma once

#include "server/PortalServer.h"

#include <memory>

// The demo portal served in-process on 127.0.0.1 with a free port.
class PortalFixture {
public:
    PortalFixture();
    PortalServer& Server() { return *server_; }
    QString BaseUrl() const { return server_->BaseUrl(); }
    QString Url(const QString& page) const { return BaseUrl() + page; }

private:
    std::unique_ptr<PortalServer> server_;
};
