#pragma once

#include "skinui/TbsPlatformCaps.h"

#include <QImage>
#include <QObject>
#include <QTimer>

#include <memory>

class TbsBitmap;
class TbsLayerWindow;

// Fades one picture in at a screen position in a click-through layered window (the glow
// frames of caption buttons). Idle (no window), fading (window shown, 25 ms timer on) or shown.
// Does nothing where the window system has no layered windows.
class TbsLayerManager : public QObject {
    Q_OBJECT
public:
    explicit TbsLayerManager(QObject* parent = nullptr,
                             bool layeredWindows = PlatformCaps().layeredWindows);
    ~TbsLayerManager() override;

    static constexpr int kFadeInterval = 25;

    // Shows picture at (x, y), its alpha taken from mask, fading from 0 to endAlpha in steps
    // of endAlpha / 10 (at least 1). Replaces any window shown before.
    void Show(int x, int y, const QImage& picture, const QImage& mask, int endAlpha);
    void Hide();

    bool IsVisible() const { return window_ != nullptr; }
    bool IsFading() const { return timer_.isActive(); }
    int Alpha() const { return alpha_; }
    int Step() const { return step_; }
    bool TopMost() const { return topMost_; }
    void SetTopMost(bool topMost) { topMost_ = topMost; }
    TbsLayerWindow* Window() const { return window_.get(); }

private:
    void FadeStep();

    bool layeredWindows_;
    bool topMost_ = true;
    int alpha_ = 0;
    int endAlpha_ = 0;
    int step_ = 0;
    QTimer timer_;
    std::unique_ptr<TbsBitmap> bitmap_;
    std::unique_ptr<TbsLayerWindow> window_;
};
