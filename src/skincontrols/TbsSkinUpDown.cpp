#include "skincontrols/TbsSkinUpDown.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinUpDownControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/NinePieceImage.h"
#include "skinui/PlainFace.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinGlyphs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
// The button object that draws the arrows of an up-down that does not take the skin's size.
const QString kResizeButton = QStringLiteral("resizebutton");
}  // namespace

TbsSkinUpDown::TbsSkinUpDown(QWidget* parent) : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("hupdown"));
    resize(50, 25);
    connect(&timer_, &QTimer::timeout, this, &TbsSkinUpDown::Tick);
}

void TbsSkinUpDown::SetMin(int min)
{
    min_ = min;
    if (position_ < min_)
        position_ = min_;
}

void TbsSkinUpDown::SetMax(int max)
{
    max_ = max;
    if (position_ > max_)
        position_ = max_;
}

void TbsSkinUpDown::SetPosition(int position)
{
    if (position > max_ || position < min_ || position == position_)
        return;
    position_ = position;
    TApplicationEvents::Guard([this] { Q_EMIT OnChange(this); });
}

void TbsSkinUpDown::SetOrientation(Qt::Orientation orientation)
{
    orientation_ = orientation;
    update();
}

const TbsDataSkinCustomControl* TbsSkinUpDown::FindSkinObject() const
{
    return SkinObject<TbsDataSkinUpDownControl>();
}

void TbsSkinUpDown::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinUpDownControl>() : nullptr;
    if (!object)
        return;
    skin_.up = object->upbuttonrect;
    skin_.activeUp = object->activeupbuttonrect;
    skin_.downUp = object->downupbuttonrect.isEmpty() ? object->activeupbuttonrect : object->downupbuttonrect;
    skin_.down = object->downbuttonrect;
    skin_.activeDown = object->activedownbuttonrect;
    skin_.downDown =
        object->downdownbuttonrect.isEmpty() ? object->activedownbuttonrect : object->downdownbuttonrect;
}

UpDownButtons TbsSkinUpDown::Buttons() const
{
    if (SkinIndex() < 0 || !UseSkinSize())
        return UpDownButtons::Halves(size(), orientation_);
    // The skin gives the buttons where they lie in its picture; in the control they lie where
    // they lie in the skin rectangle.
    const QPoint origin = SkinRect().topLeft();
    UpDownButtons buttons;
    buttons.rects[0] = skin_.up.translated(-origin);
    buttons.rects[1] = skin_.down.translated(-origin);
    return buttons;
}

void TbsSkinUpDown::TrackHot(const QPoint& point)
{
    const int previous = hot_;
    hot_ = Buttons().ButtonAt(point, pressed_);
    if (hot_ == previous)
        return;
    if (previous >= 0) {
        hotFlags_[previous] = false;
        if (increment_ != 0 && previous == pressed_)
            timer_.stop();
    }
    if (hot_ >= 0) {
        hotFlags_[hot_] = true;
        hotFlags_[1 - hot_] = false;
        if (increment_ != 0 && hot_ == pressed_)
            timer_.start(kComeBackWait);
    }
    update();
}

void TbsSkinUpDown::enterEvent(QEnterEvent* event)
{
    hot_ = -1;
    TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinUpDown::leaveEvent(QEvent* event)
{
    hot_ = -1;
    if (hotFlags_[0] || hotFlags_[1]) {
        hotFlags_[0] = hotFlags_[1] = false;
        update();
    }
    TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinUpDown::mouseMoveEvent(QMouseEvent* event)
{
    TrackHot(event->position().toPoint());
    TbsSkinCustomControl::mouseMoveEvent(event);
}

void TbsSkinUpDown::Press(const QPoint& point)
{
    TrackHot(point);
    if (hot_ < 0) {
        hotFlags_[0] = hotFlags_[1] = false;
        return;
    }
    hotFlags_[1 - hot_] = false;
    pressed_ = hot_;
    hotFlags_[pressed_] = true;
    pressedFlags_[pressed_] = true;
    update();
    if (increment_ != 0) {
        direction_ = pressed_ == 0 ? Increase : Decrease;
        firstWait_ = true;
        timer_.start(kFirstWait);
    }
}

void TbsSkinUpDown::mousePressEvent(QMouseEvent* event)
{
    Press(event->position().toPoint());
    TbsSkinCustomControl::mousePressEvent(event);
}

void TbsSkinUpDown::mouseDoubleClickEvent(QMouseEvent* event)
{
    Press(event->position().toPoint());
    TbsSkinCustomControl::mouseDoubleClickEvent(event);
}

void TbsSkinUpDown::Tick()
{
    if (firstWait_) {
        firstWait_ = false;
        timer_.start(kRepeatInterval);
        return;
    }
    Step(direction_);
}

void TbsSkinUpDown::Step(Direction direction)
{
    if (direction == Increase)
        SetPosition(position_ + increment_);
    else if (direction == Decrease)
        SetPosition(position_ - increment_);
}

void TbsSkinUpDown::Release(const QPoint& point)
{
    const int button = pressed_;
    if (button < 0)
        return;
    if (increment_ != 0) {
        timer_.stop();
        direction_ = NoRepeat;
    }
    pressedFlags_[button] = false;
    const UpDownButtons buttons = Buttons();
    const bool over = !buttons.rects[button].isEmpty() && buttons.ButtonAt(point, button) == button;
    if (!over)
        hotFlags_[button] = false;
    pressed_ = -1;
    update();
    if (!over)
        return;
    Step(button == 0 ? Increase : Decrease);
    TApplicationEvents::Guard([this, button] {
        if (button == 0)
            Q_EMIT OnUpButtonClick(this);
        else
            Q_EMIT OnDownButtonClick(this);
    });
}

void TbsSkinUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<TbsSkinUpDown> alive(this);
    Release(event->position().toPoint());
    if (alive)
        TbsSkinCustomControl::mouseReleaseEvent(event);
}

void TbsSkinUpDown::PaintPlain(QPainter& painter)
{
    const UpDownButtons buttons = Buttons();
    painter.fillRect(rect(), SystemColor(SkinColor::kButtonFace));
    for (int i = 0; i < 2; ++i) {
        const PlainFaceLook look = !hotFlags_[i]       ? PlainFaceLook::Normal
                                   : pressedFlags_[i] ? PlainFaceLook::Down
                                                      : PlainFaceLook::Hot;
        PaintPlainFace(painter, buttons.rects[i], look);
        DrawArrowGlyph(painter, ArrowOf(i), buttons.rects[i], Qt::black);
    }
}

ArrowGlyph TbsSkinUpDown::ArrowOf(int button) const
{
    if (orientation_ == Qt::Vertical)
        return button == 0 ? ArrowGlyph::Up : ArrowGlyph::Down;
    return button == 0 ? ArrowGlyph::Right : ArrowGlyph::Left;
}

QRect TbsSkinUpDown::SkinStateRect(int button) const
{
    if (!hotFlags_[button])
        return QRect();
    if (pressedFlags_[button])
        return button == 0 ? skin_.downUp : skin_.downDown;
    return button == 0 ? skin_.activeUp : skin_.activeDown;
}

void TbsSkinUpDown::PaintSkinned(QPainter& painter)
{
    if (!UseSkinSize()) {
        painter.fillRect(rect(), SkinFace());
        PaintResizeButton(painter, 0);
        PaintResizeButton(painter, 1);
        return;
    }
    TbsSkinCustomControl::PaintSkinned(painter);
    const UpDownButtons buttons = Buttons();
    for (int i = 0; i < 2; ++i) {
        const QRect source = SkinStateRect(i);
        if (!source.isEmpty() && !buttons.rects[i].isEmpty())
            painter.drawImage(buttons.rects[i], Picture(), source);
    }
}

void TbsSkinUpDown::PaintResizeButton(QPainter& painter, int button)
{
    const auto* object = SkinObjectNamed<TbsDataSkinButtonControl>(kResizeButton);
    const QImage* picture = object ? SkinPicture(*SkinData(), object->pictureindex) : nullptr;
    const QRect place = Buttons().rects[button];
    if (!picture || place.isEmpty())
        return;
    const bool hot = hotFlags_[button];
    const bool down = hot && pressedFlags_[button];
    const QRect active = object->activeskinrect.isEmpty() ? object->skinrect : object->activeskinrect;
    const QRect source = down ? (object->downskinrect.isEmpty() ? active : object->downskinrect)
                         : hot ? active
                               : object->skinrect;
    const NinePieceGeometry geometry = NinePieceGeometryOf(*object);
    QImage face;
    BuildNinePieceImage(face, *picture, source, geometry, geometry.GrownTo(source.size(), place.size()), place.size(),
                        NinePieceOptionsOf(*object) | NinePieceOption::DrawClient,
                        MiddleStretchTypeOf(object->stretchtype));
    painter.drawImage(place.topLeft(), face);
    const int color = down ? object->downfontcolor : hot ? object->activefontcolor : object->fontcolor;
    DrawArrowGlyph(painter, ArrowOf(button), down ? place.adjusted(2, 2, 0, 0) : place,
                   SkinColorToQColor(quint32(color)));
}
