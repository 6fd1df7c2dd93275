#include "PreviewCommand.h"

#include "SkinToolUsageError.h"
#include "ToolArguments.h"
#include "preview/PreviewRegistry.h"

#include "skin/TbsSkinData.h"
#include "skinui/SkinUiError.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QtMath>

#include <cstdio>

namespace {

const ControlPreviewer& FindPreviewer(const QString& control)
{
    if (const ControlPreviewer* previewer = PreviewRegistry::Find(control))
        return *previewer;
    QStringList known;
    for (const ControlPreviewer& previewer : PreviewRegistry::All())
        known << previewer.control;
    throw SkinToolUsageError(QStringLiteral("unknown control \"%1\"; known: %2").arg(control, known.join(u' ')));
}

// The package in a store; nullptr for "" (no skin). A package that loads but holds no skin this
// program reads leaves the store empty: the controls draw their plain look.
std::unique_ptr<TbsSkinData> LoadSkin(const QString& package)
{
    if (package.isEmpty())
        return nullptr;
    if (!QFileInfo(package).isFile())
        throw SkinToolUsageError(QStringLiteral("no package \"%1\"").arg(package));
    auto store = std::make_unique<TbsSkinData>();
    store->LoadPackageFile(package);
    return store;
}

// The scales a preview draws at (device pixels per logical pixel), as the words that choose them.
const QStringList kScales{QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")};

// The widget as the window system shows it at a scale: transparent outside its window region.
QImage Picture(QWidget& widget, qreal scale)
{
    QImage image(QSize(qCeil(widget.width() * scale), qCeil(widget.height() * scale)), QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    if (!widget.mask().isEmpty()) {
        QPainter painter(&image);
        painter.setClipRegion(QRegion(image.rect()) - widget.mask());
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(image.rect(), Qt::transparent);
    }
    return image;
}

}  // namespace

QString PreviewUsage()
{
    QStringList lines;
    for (const ControlPreviewer& previewer : PreviewRegistry::All())
        lines << QStringLiteral("      %1: %2").arg(previewer.control, previewer.usage);
    lines << QStringLiteral("      every control: scale=%1 (device pixels per pixel)").arg(kScales.join(u'|'));
    return lines.join(u'\n');
}

int RunPreview(const QStringList& arguments)
{
    const ControlPreviewer& previewer = FindPreviewer(arguments[1]);
    PreviewRequest request;
    request.size = QSize(ParseSide(arguments[2], "WIDTH"), ParseSide(arguments[3], "HEIGHT"));
    const QString& out = arguments[4];
    request.options = PreviewOptions::Parse(arguments.mid(5), previewer.keys + QStringList{QStringLiteral("scale")});
    const qreal scale = request.options.Choice(QStringLiteral("scale"), kScales.first(), kScales).toDouble();
    const std::unique_ptr<TbsSkinData> skin = LoadSkin(arguments[0]);
    request.skin = skin.get();

    std::unique_ptr<QWidget> control = previewer.build(request);
    if (previewer.sized)
        control->resize(request.size);
    control->show();
    // The window is on screen (and has handed out its focus) before the pose begins.
    QApplication::processEvents();
    QWidget* shown = previewer.pose ? previewer.pose(*control, request) : nullptr;
    QApplication::processEvents();
    const QImage image = Picture(shown ? *shown : *control, scale);
    if (!image.save(out, "PNG"))
        throw SkinUiError(QStringLiteral("cannot write \"%1\"").arg(out));
    std::printf("%s: %d x %d\n", qPrintable(out), image.width(), image.height());
    return 0;
}
