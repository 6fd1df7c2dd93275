// kestrune-skin preview PACKAGE signin: the sign-in box a server's or a proxy's demand for a user
// name and password opens, in its skinned frame.

#include "preview/PreviewRegistry.h"

#include "dialogs/TFormSignIn.h"

namespace {

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    return std::make_unique<TFormSignIn>(request.skin,
                                         SignInContent{options.Text(QStringLiteral("host"), QStringLiteral("games.example.com")),
                                                       options.Text(QStringLiteral("realm"), QString()),
                                                       options.Flag(QStringLiteral("proxy"), false)});
}

const PreviewRegistration registration{{
    QStringLiteral("signin"),
    {QStringLiteral("host"), QStringLiteral("realm"), QStringLiteral("proxy")},
    QStringLiteral("host=TEXT realm=TEXT proxy=0|1 (WIDTH and HEIGHT ignored)"),
    false,
    &Build,
    nullptr,
}};

}  // namespace
