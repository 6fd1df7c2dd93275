#include "skinui/TbsLayerManager.h"

#include "skinui/LayerUpdate.h"
#include "skinui/TbsBitmap.h"
#include "skinui/TbsLayerWindow.h"

#include <algorithm>

TbsLayerManager::TbsLayerManager(QObject* parent, bool layeredWindows)
    : QObject(parent), layeredWindows_(layeredWindows)
{
    timer_.setInterval(kFadeInterval);
    connect(&timer_, &QTimer::timeout, this, [this] { FadeStep(); });
}

TbsLayerManager::~TbsLayerManager() = default;

void TbsLayerManager::Show(int x, int y, const QImage& picture, const QImage& mask, int endAlpha)
{
    if (!layeredWindows_)
        return;
    Hide();
    if (picture.isNull())
        return;
    auto bitmap = std::make_unique<TbsBitmap>(picture);
    ComposeAlphaFromMask(*bitmap, mask);
    bitmap_ = std::move(bitmap);
    window_ = std::make_unique<TbsLayerWindow>(topMost_);
    window_->setGeometry(x, y, picture.width(), picture.height());
    alpha_ = 0;
    UpdateLayerWindow(*bitmap_, alpha_, *window_);
    window_->show();
    endAlpha_ = std::clamp(endAlpha, 0, 255);
    // A tenth of a small end value rounds to nothing; one step per tick still gets there.
    step_ = std::max(1, endAlpha_ / 10);
    timer_.start();
}

void TbsLayerManager::Hide()
{
    if (!layeredWindows_)
        return;
    timer_.stop();
    bitmap_.reset();
    if (window_)
        window_->hide();
    window_.reset();
}

void TbsLayerManager::FadeStep()
{
    if (!bitmap_ || !window_) {
        timer_.stop();
        return;
    }
    alpha_ = std::min(alpha_ + step_, endAlpha_);
    UpdateLayerWindow(*bitmap_, alpha_, *window_);
    if (alpha_ >= endAlpha_)
        timer_.stop();
}
