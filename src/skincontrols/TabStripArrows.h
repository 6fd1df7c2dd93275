#pragma once

#include "skinui/TabStripGeometry.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class TbsSkinData;
class TbsSkinUpDown;

// The scroll arrows of a page control's strip: a TbsSkinUpDown at the strip's right end
// while its tabs do not fit, 2 x itemHeight wide and itemHeight high (or the skin's size),
// ranging over the scrolls up to the one that brings the last tab clear of them, gone again
// once every tab fits. Each change of their position asks the strip to scroll.
class TabStripArrows : public QObject {
    Q_OBJECT
public:
    explicit TabStripArrows(QWidget* control);

    // nullptr while every tab fits.
    TbsSkinUpDown* UpDown() const { return upDown_; }
    // Their width; 0 without them.
    int Width() const;
    // The arrows the strip needs as it lies now, drawn from the object of that name in store;
    // returns the scroll the strip may keep (0 without arrows).
    int Update(const TabStripGeometry& geometry, int itemHeight, const QString& skinName, TbsSkinData* store);
    // The skin object the arrows draw from.
    void SetSkin(const QString& skinName, TbsSkinData* store);
    // Shows a scroll the strip took by itself.
    void SetPosition(int scroll);

Q_SIGNALS:
    void Scrolled(int scroll);

private:
    void Create(int itemHeight, const QString& skinName, TbsSkinData* store);

    QWidget* control_;
    QPointer<TbsSkinUpDown> upDown_;
    TabStripGeometry geometry_;  // the strip as the last update saw it
};
