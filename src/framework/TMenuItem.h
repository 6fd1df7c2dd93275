#pragma once

#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

// Whether a menu hides the separators that separate nothing: the first and last visible items
// and the second of two in a row. maParent asks the parent item; the root counts as automatic.
enum class TMenuAutoFlag { maAutomatic, maManual, maParent };

// One item of a menu tree: a caption ("-" makes a separator; "&" marks the keyboard
// accelerator), its state, an optional shortcut and bitmap, and child items, which it owns.
// The item's name (its objectName) may name a frame glyph that menus draw beside the caption.
class TMenuItem : public QObject {
    Q_OBJECT
public:
    explicit TMenuItem(QObject* owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio) { radioItem_ = radio; }
    QKeySequence ShortCut() const { return shortCut_; }
    void SetShortCut(const QKeySequence& shortCut) { shortCut_ = shortCut; }
    // The shortcut as menus show it ("Alt+F4"); empty without one.
    QString ShortCutText() const;
    QImage Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& bitmap) { bitmap_ = bitmap; }
    TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
    void SetAutoLineReduction(TMenuAutoFlag flag) { autoLineReduction_ = flag; }

    bool IsLine() const { return caption_ == QLatin1String("-"); }

    int Count() const { return int(items_.size()); }
    // nullptr outside 0..Count() - 1.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const { return int(items_.indexOf(item)); }
    TMenuItem* Parent() const { return parent_; }
    // Takes the item over (from any previous parent item) and appends it.
    void Add(TMenuItem* item);
    // Deletes every child item.
    void Clear();

    // The children a menu shows, from the child at firstIndex on: the visible ones, less the
    // separators that separate nothing when this item reduces lines.
    QList<TMenuItem*> VisibleItems(int firstIndex = 0) const;
    bool HasVisibleItems() const { return !VisibleItems().isEmpty(); }

    // The item's command: OnClick, through the handler guard.
    void Click();

Q_SIGNALS:
    void OnClick(QObject* Sender);

private:
    bool ReducesLines() const;

    QString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    QKeySequence shortCut_;
    QImage bitmap_;
    TMenuAutoFlag autoLineReduction_ = TMenuAutoFlag::maParent;
    TMenuItem* parent_ = nullptr;
    QList<TMenuItem*> items_;
};
