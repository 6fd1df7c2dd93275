#include "browser/LoadFailure.h"

#include <algorithm>
#include <initializer_list>

namespace {
bool OneOf(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}
}  // namespace

LoadFailure LoadFailureOf(QWebEngineLoadingInfo::ErrorDomain domain, int code)
{
    switch (domain) {
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return LoadFailure::NoRoute;
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        return LoadFailure::Certificate;
    case QWebEngineLoadingInfo::InternalErrorDomain:
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        break;
    default:
        return LoadFailure::Other;
    }
    // The engine's network error codes: timed out, connection reset, refused, failed, name not
    // resolved, internet disconnected, address unreachable, connection timed out, name
    // resolution failed.
    if (OneOf(code, {-7, -101, -102, -104, -105, -106, -109, -118, -137}))
        return LoadFailure::NoRoute;
    // Protocol error, client certificate needed, no versions enabled, version or cipher
    // mismatch, renegotiation requested, bad client certificate, no renegotiation, decompression
    // failure, bad record MAC, handshake not completed, bad peer key, pinned key not in chain,
    // decrypt error, unrecognized name.
    if (OneOf(code, {-107, -110, -112, -113, -114, -117, -123, -125, -126, -148, -149, -150, -153, -159}))
        return LoadFailure::Tls;
    // Tunnel failed, proxy authentication unsupported, SOCKS failed, SOCKS host unreachable,
    // proxy authentication requested, proxy connection failed, mandatory proxy configuration
    // failed, proxy certificate invalid.
    if (OneOf(code, {-111, -115, -120, -121, -127, -130, -131, -136}))
        return LoadFailure::Proxy;
    return LoadFailure::Other;
}
