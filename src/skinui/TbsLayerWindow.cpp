#include "skinui/TbsLayerWindow.h"

#include <QPainter>

namespace {

Qt::WindowFlags LayerFlags(bool topMost)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
        | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;
    if (topMost)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

} // namespace

TbsLayerWindow::TbsLayerWindow(bool topMost)
    : QWidget(nullptr, LayerFlags(topMost))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TbsLayerWindow::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void TbsLayerWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture_);
}
