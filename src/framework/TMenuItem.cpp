#include "framework/TMenuItem.h"

#include "framework/TApplicationEvents.h"

#include <utility>

TMenuItem::TMenuItem(QObject* owner)
    : QObject(owner)
{
}

TMenuItem::~TMenuItem()
{
    // The children go with the QObject tree after this; they must not reach back into it.
    for (TMenuItem* item : std::as_const(items_))
        item->parent_ = nullptr;
    if (parent_)
        parent_->items_.removeOne(this);
}

QString TMenuItem::ShortCutText() const
{
    return shortCut_.toString(QKeySequence::PortableText);
}

TMenuItem* TMenuItem::Items(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

void TMenuItem::Add(TMenuItem* item)
{
    if (item->parent_)
        item->parent_->items_.removeOne(item);
    item->parent_ = this;
    item->setParent(this);
    items_.append(item);
}

void TMenuItem::Clear()
{
    const QList<TMenuItem*> items = std::exchange(items_, {});
    qDeleteAll(items);
}

bool TMenuItem::ReducesLines() const
{
    for (const TMenuItem* item = this; item; item = item->parent_) {
        if (item->autoLineReduction_ != TMenuAutoFlag::maParent)
            return item->autoLineReduction_ == TMenuAutoFlag::maAutomatic;
    }
    return true;
}

QList<TMenuItem*> TMenuItem::VisibleItems(int firstIndex) const
{
    const bool reduce = ReducesLines();
    QList<TMenuItem*> shown;
    for (qsizetype i = qMax(0, firstIndex); i < items_.size(); ++i) {
        TMenuItem* item = items_.at(i);
        if (!item->visible_)
            continue;
        // A separator at the top or right after another one separates nothing.
        if (reduce && item->IsLine() && (shown.isEmpty() || shown.last()->IsLine()))
            continue;
        shown.append(item);
    }
    if (reduce && !shown.isEmpty() && shown.last()->IsLine())
        shown.removeLast();
    return shown;
}

void TMenuItem::Click()
{
    TApplicationEvents::Guard([this] { Q_EMIT OnClick(this); });
}
