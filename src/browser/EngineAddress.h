#pragma once

#include <QString>

// An address spelled as the web engine reports the addresses it navigates to: scheme and
// host in lower case, an international host name in its ASCII form, the scheme's default
// port left out, everything else percent-encoded. Addresses compared as text with what the
// engine reports must be spelled this way first.
QString EngineAddress(const QString& address);
