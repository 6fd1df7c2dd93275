#include "browser/LoadFailure.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadFailure, TellsNoRouteFromSecureConnectionCertificateAndProxyFailures)
{
    using Domain = QWebEngineLoadingInfo::ErrorDomain;
    const struct {
        Domain domain;
        int code;
        LoadFailure cause;
    } cases[] = {
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -102, LoadFailure::NoRoute},  // refused
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -101, LoadFailure::NoRoute},  // reset
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -109, LoadFailure::NoRoute},  // unreachable
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -118, LoadFailure::NoRoute},  // connection timed out
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -106, LoadFailure::NoRoute},  // offline
        {QWebEngineLoadingInfo::InternalErrorDomain, -7, LoadFailure::NoRoute},      // timed out
        {QWebEngineLoadingInfo::DnsErrorDomain, -105, LoadFailure::NoRoute},         // no such name
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -107, LoadFailure::Tls},      // protocol error
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -113, LoadFailure::Tls},      // cipher mismatch
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -148, LoadFailure::Tls},      // handshake not completed
        {QWebEngineLoadingInfo::CertificateErrorDomain, -202, LoadFailure::Certificate},
        {QWebEngineLoadingInfo::CertificateErrorDomain, -201, LoadFailure::Certificate},
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -130, LoadFailure::Proxy},  // proxy connection failed
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -111, LoadFailure::Proxy},  // tunnel failed
        {QWebEngineLoadingInfo::ConnectionErrorDomain, -3, LoadFailure::Other},    // aborted
        {QWebEngineLoadingInfo::HttpStatusCodeDomain, 404, LoadFailure::Other},
        {QWebEngineLoadingInfo::HttpErrorDomain, -102, LoadFailure::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadFailureOf(c.domain, c.code), c.cause) << int(c.domain) << " " << c.code;
}

}  // namespace
