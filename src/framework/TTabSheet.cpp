#include "framework/TTabSheet.h"

#include "framework/TPageControl.h"

TTabSheet::TTabSheet(QWidget* parent) : TControl(parent)
{
    // Only the active page is shown; the control shows a sheet when it activates it.
    setVisible(false);
}

TTabSheet::~TTabSheet()
{
    Q_EMIT Destroying(this);
    SetPageControl(nullptr);
}

void TTabSheet::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    if (pageControl_)
        pageControl_->TabsChanged();
}

int TTabSheet::PageIndex() const
{
    return pageControl_ ? pageControl_->IndexOfPage(this) : -1;
}

void TTabSheet::SetTabVisible(bool visible)
{
    if (visible == tabVisible_)
        return;
    tabVisible_ = visible;
    if (pageControl_ && !visible)
        pageControl_->TabHidden(this);
    else if (pageControl_)
        pageControl_->TabsChanged();
}

void TTabSheet::SetPageControl(TPageControl* control)
{
    if (control == pageControl_)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    if (control)
        control->InsertPage(this);
}
