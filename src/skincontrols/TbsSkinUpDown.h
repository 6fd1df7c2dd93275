#pragma once

#include "skincontrols/TbsSkinCustomControl.h"
#include "skincontrols/UpDownPainting.h"

class TTimer;

// Two arrow buttons that step Position between Min and Max by Increment: button 0 up, button 1
// down, drawn from an "updown" skin object (or plainly). Holding a button repeats its step on
// the ticks of its "RepeatTimer": nothing for 500 ms, then one step every 100 ms; a pointer
// that leaves the held button stops the repeat and one that comes back restarts it after
// 50 ms. With Increment 0 the buttons only report their clicks.
class TbsSkinUpDown : public TbsSkinCustomControl {
    Q_OBJECT
public:
    static constexpr int kFirstWait = 500;
    static constexpr int kRepeatInterval = 100;
    static constexpr int kComeBackWait = 50;

    explicit TbsSkinUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    // Values outside Min..Max are ignored: nothing changes, nothing fires.
    int Position() const { return position_; }
    void SetPosition(int position);
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    Qt::Orientation Orientation() const { return orientation_; }
    void SetOrientation(Qt::Orientation orientation);

    // The buttons' rectangles in the control: the skin's, or the control's halves.
    UpDownButtons Buttons() const;
    // The button under the pointer and the one held down; -1 for none.
    int HotButton() const { return hot_; }
    int PressedButton() const { return pressed_; }
    // The wait of the repeat timer now running: 500, 100 or 50 ms; 0 while none runs.
    int RepeatWait() const;

Q_SIGNALS:
    void OnChange(QObject* Sender);
    void OnUpButtonClick(QObject* Sender);
    void OnDownButtonClick(QObject* Sender);

protected:
    const TbsDataSkinCustomControl* FindSkinObject() const override;
    void GetSkinData() override;
    void ForgetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum Direction { NoRepeat = 0, Decrease = 1, Increase = 2 };

    void TrackHot(const QPoint& point);
    void Press(const QPoint& point);
    void Release(const QPoint& point);
    void Tick();
    void Step(Direction direction);
    void StartTimer(int wait);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    Qt::Orientation orientation_ = Qt::Horizontal;

    int hot_ = -1;
    int pressed_ = -1;
    UpDownState flags_;
    Direction direction_ = NoRepeat;
    bool firstWait_ = false;
    TTimer* timer_;
    UpDownSkin skin_;
};
