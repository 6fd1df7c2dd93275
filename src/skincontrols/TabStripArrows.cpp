#include "skincontrols/TabStripArrows.h"

#include "skincontrols/TbsSkinUpDown.h"

TabStripArrows::TabStripArrows(QWidget* control) : QObject(control), control_(control) {}

int TabStripArrows::Width() const
{
    return upDown_ ? upDown_->width() : 0;
}

int TabStripArrows::Update(const TabStripGeometry& geometry, int itemHeight, const QString& skinName,
                           TbsSkinData* store)
{
    geometry_ = geometry;
    if (geometry.LastScroll(0) == 0) {
        if (upDown_) {
            // The arrows may be in the middle of their own click.
            upDown_->hide();
            upDown_->deleteLater();
            upDown_ = nullptr;
        }
        return 0;
    }
    if (!upDown_)
        Create(itemHeight, skinName, store);
    // The skin's size rule has the last word on their size; they sit at the strip's right end.
    upDown_->move(control_->width() - upDown_->width(), 0);
    const int last = geometry.LastScroll(upDown_->width());
    upDown_->SetMax(last);
    return qMin(geometry.scrolledTabs, last);
}

void TabStripArrows::Create(int itemHeight, const QString& skinName, TbsSkinData* store)
{
    upDown_ = new TbsSkinUpDown(control_);
    upDown_->setObjectName(QStringLiteral("bsSkinUpDown"));
    upDown_->resize(2 * itemHeight, itemHeight);
    SetSkin(skinName, store);
    upDown_->SetMin(0);
    upDown_->SetIncrement(1);
    upDown_->SetMax(geometry_.LastScroll(upDown_->width()));
    upDown_->SetPosition(geometry_.scrolledTabs);
    connect(upDown_, &TbsSkinUpDown::OnChange, this, [this] {
        upDown_->SetMax(geometry_.LastScroll(upDown_->width()));
        Q_EMIT Scrolled(upDown_->Position());
    });
    upDown_->show();
}

void TabStripArrows::SetSkin(const QString& skinName, TbsSkinData* store)
{
    // The arrows follow the store's loads themselves; only their object's name is the strip's.
    if (!upDown_)
        return;
    upDown_->SetSkinDataName(skinName);
    upDown_->SetSkinData(store);
}

void TabStripArrows::SetPosition(int scroll)
{
    if (upDown_)
        upDown_->SetPosition(scroll);
}
