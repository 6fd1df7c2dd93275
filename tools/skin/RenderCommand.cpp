#include "RenderCommand.h"

#include "ToolArguments.h"

#include "skin/TbsSkinData.h"
#include "skinui/FrameStrips.h"
#include "skinui/RegionBuilder.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinUiError.h"

#include <QPainter>

#include <cstdio>

namespace {

const QString kFormWord = QStringLiteral("--form");

QImage RenderControl(const TbsSkinData& store, const QString& name, const QSize& requested)
{
    const int index = store.FindControlIndex(name);
    if (index < 0)
        throw SkinUiError(QStringLiteral("the package has no control object \"%1\"").arg(name));
    const TbsDataSkinControl& control = *store.SkinControls()[size_t(index)];
    if (!SkinPicture(store, control.pictureindex))
        throw SkinUiError(QStringLiteral("control object \"%1\" has no picture").arg(name));
    if (control.skinrect.isEmpty())
        throw SkinUiError(QStringLiteral("control object \"%1\" has an empty skin rectangle").arg(name));
    return BuildControlImage(store, control, requested);
}

void ClearOutside(QImage& image, const QRegion& inside)
{
    QPainter painter(&image);
    painter.setClipRegion(QRegion(image.rect()) - inside);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(image.rect(), Qt::transparent);
}

QImage RenderForm(const TbsSkinData& store, const QSize& window)
{
    const QImage& frame = store.FramePicture();
    if (frame.isNull())
        throw SkinUiError(QStringLiteral("the package has no frame picture"));
    const TbsDataSkinFormInfo& info = store.FormInfo();
    const NinePieceGeometry geometry = NinePieceGeometryOf(info);
    FrameStripImages strips;
    BuildFrameStrips(strips, frame, frame.rect(), geometry, geometry.GrownTo(frame.size(), window),
                     window, NinePieceOptionsOf(info));

    QImage image(window, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const int topHeight = strips.top.height();
        painter.drawImage(0, 0, strips.top);
        painter.drawImage(0, topHeight, strips.left);
        painter.drawImage(window.width() - strips.right.width(), topHeight, strips.right);
        painter.drawImage(0, window.height() - strips.bottom.height(), strips.bottom);
    }
    if (!store.FrameMask().isNull()) {
        NinePieceGeometry mask = geometry;
        mask.clRect = info.maskrectarea;
        const std::optional<QRegion> shape = BuildFramedRegion(
            store.FrameMask(), mask, mask.GrownTo(frame.size(), window), window.width());
        if (shape)
            ClearOutside(image, *shape);
    }
    return image;
}

} // namespace

int RunRender(const QStringList& arguments)
{
    const QString& package = arguments[0];
    const QString& object = arguments[1];
    const QSize size(ParseSide(arguments[2], "WIDTH"), ParseSide(arguments[3], "HEIGHT"));
    const QString& out = arguments[4];
    TbsSkinData store;
    store.LoadPackageFile(package);
    if (store.IsEmpty())
        throw SkinUiError(QStringLiteral("\"%1\" holds no skin this program can read").arg(package));
    const QImage image = object == kFormWord ? RenderForm(store, size) : RenderControl(store, object, size);
    if (!image.save(out, "PNG"))
        throw SkinUiError(QStringLiteral("cannot write \"%1\"").arg(out));
    std::printf("%s: %d x %d\n", qPrintable(out), image.width(), image.height());
    return 0;
}
