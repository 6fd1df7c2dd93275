#pragma once

#include <QWebEngineLoadingInfo>

// Why a page could not be loaded, as the client tells the causes apart.
enum class LoadFailure {
    NoRoute,      // the server cannot be reached: refused, reset, unreachable, no such name, timed out, offline
    Tls,          // the secure connection could not be set up
    Certificate,  // the server's certificate is not to be trusted
    Proxy,        // the proxy on the way failed
    Other,        // anything else: the server's own refusal, an aborted load, ...
};

// The cause of a failed load, from the engine's error domain and network error code.
LoadFailure LoadFailureOf(QWebEngineLoadingInfo::ErrorDomain domain, int code);
