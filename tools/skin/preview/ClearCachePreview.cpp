// kestrune-skin preview PACKAGE clearcache: the cache cleaner in its skinned frame, as it is
// made (waiting, its gauge half full) or once the cleaning is done (face picture and
// "清理完成", OK enabled). The face picture comes from a resource pack when pack= names the
// folder that holds it.

#include "preview/PreviewRegistry.h"

#include "SkinToolUsageError.h"
#include "dialogs/TFormClearCache.h"
#include "platform/Global.h"
#include "platform/ResourcePack.h"
#include "platform/UrlCache.h"
#include "skincontrols/TbsSkinButton.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// A cache with nothing in it: its purge is over on the next turn of the loop, as the web
// profile's is when its cache is empty.
class EmptyUrlCache : public UrlCache {
public:
    using UrlCache::UrlCache;
    void PurgeUrlCache(const QString&) override
    {
        purging_ = true;
        Q_EMIT PurgeProgress(0, 0);
        QTimer::singleShot(0, this, [this] {
            purging_ = false;
            Q_EMIT Purged();
        });
    }
    bool Purging() const override { return purging_; }

private:
    bool purging_ = false;
};

bool Done(const PreviewRequest& request)
{
    return request.options.Choice(QStringLiteral("state"), QStringLiteral("created"),
                                  {QStringLiteral("created"), QStringLiteral("done")})
        == u"done";
}

void LoadPack(const PreviewRequest& request)
{
    const QString folder = request.options.Text(QStringLiteral("pack"), QString());
    if (folder.isEmpty())
        return;
    ResourcePackHandle = LoadResourcePack(folder.endsWith(u'/') ? folder : folder + u'/');
    if (ResourcePackHandle == 0)
        throw SkinToolUsageError(QStringLiteral("no resource pack in \"%1\"").arg(folder));
}

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    Done(request);  // a bad state is refused before anything is shown
    LoadPack(request);
    auto* cache = new EmptyUrlCache;
    auto cleaner = std::make_unique<TFormClearCache>(request.skin, *cache);
    cache->setParent(cleaner.get());
    return cleaner;
}

// The dialog cleans on its own first tick, which may have come already; the pose waits for
// the done state.
QWidget* Pose(QWidget& cleaner, const PreviewRequest& request)
{
    if (!Done(request))
        return nullptr;
    const TFormClearCache& dialog = static_cast<TFormClearCache&>(cleaner);
    while (!dialog.bsSkinButtonOK->isEnabled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("clearcache"),
    {QStringLiteral("state"), QStringLiteral("pack")},
    QStringLiteral("state=created|done pack=FOLDER (of Tarvel.dll, for the face picture; WIDTH and HEIGHT ignored)"),
    false,
    &Build,
    &Pose,
}};

}  // namespace
