#pragma once

#include "skin/SkinTestSupport.h"
#include "skin/TbsSkinData.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <memory>

// Skin stores loaded from crafted packages, and pictures made of solid blocks so that every
// skin rectangle has a colour of its own.
namespace CraftedSkin {

// A store loaded with pictures and the description's lines.
inline std::unique_ptr<TbsSkinData> Store(const QList<QImage>& pictures, const QStringList& description)
{
    auto store = std::make_unique<TbsSkinData>();
    const QList<QByteArray> frames{SkinTest::AbsentItem(), SkinTest::AbsentItem(), SkinTest::AbsentItem()};
    SkinTest::LoadPackage(*store, SkinTest::Package(SkinTest::Content(3, frames, qint32(pictures.size()), pictures,
                                                                      SkinTest::AnsiLines(description))));
    return store;
}

// A picture of width x height filled with background, with solid blocks painted on it.
struct Block {
    QRect rect;
    QRgb color;
};
inline QImage Blocks(int width, int height, const QList<Block>& blocks, QRgb background = qRgb(1, 1, 1))
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(background);
    QPainter painter(&picture);
    for (const Block& block : blocks)
        painter.fillRect(block.rect, QColor(block.color));
    return picture;
}

// One control object: the [SKINCONTROLS] list with it alone, and its section.
inline QStringList OneControl(const QString& name, const QString& kind, const QStringList& keys)
{
    return QStringList{QStringLiteral("[SKINCONTROLS]"), QStringLiteral("count=1"),
                       QStringLiteral("0=%1:%2").arg(name, kind), QStringLiteral("[%1]").arg(name)}
           + keys;
}

}  // namespace CraftedSkin
