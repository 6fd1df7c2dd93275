#include "skincontrols/TbsSkinButton.h"

#include "skincontrols/CraftedSkin.h"
#include "support/TimerTick.h"
#include "skinui/SkinColor.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kNormal = qRgb(200, 30, 30);
const QRgb kActive = qRgb(30, 200, 30);
const QRgb kDown = qRgb(30, 30, 200);
const QRgb kFocused = qRgb(200, 200, 30);
const QRgb kDisabled = qRgb(120, 120, 120);

// A "button" object with a rectangle of its own colour per look, 20 x 10, fixed size.
std::unique_ptr<TbsSkinData> StateSkin(const QStringList& rects)
{
    const QImage picture = CraftedSkin::Blocks(100, 10, {{QRect(0, 0, 20, 10), kNormal},
                                                         {QRect(20, 0, 20, 10), kActive},
                                                         {QRect(40, 0, 20, 10), kDown},
                                                         {QRect(60, 0, 20, 10), kFocused},
                                                         {QRect(80, 0, 20, 10), kDisabled}});
    return CraftedSkin::Store({picture}, CraftedSkin::OneControl(QStringLiteral("button"), QStringLiteral("button"),
                                                                 QStringList{QStringLiteral("pictureindex=0"),
                                                                             QStringLiteral("skinrect=0,0,20,10"),
                                                                             QStringLiteral("fontcolor=0x000000FF"),
                                                                             QStringLiteral("activefontcolor=0x0000FF00"),
                                                                             QStringLiteral("downfontcolor=0x00FF0000"),
                                                                             QStringLiteral("disabledfontcolor=0x000000FF")}
                                                                     + rects));
}

// A window holding a button and a line edit to move the focus to.
struct Form {
    QWidget window;
    TbsSkinButton* button = new TbsSkinButton(&window);
    QLineEdit* edit = new QLineEdit(&window);
    QSignalSpy clicks{button, &TControl::OnClick};

    explicit Form(TbsSkinData* store = nullptr)
    {
        window.resize(200, 100);
        edit->move(0, 60);
        button->SetSkinData(store);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        Leave();  // wherever the pointer was when the window came up
    }
    QRgb Pixel(QPoint at) const { return button->grab().toImage().pixel(at); }
    void Enter() const
    {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(button, &enter);
    }
    void Leave() const
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }
};

TEST(TbsSkinButton, EachLookShowsItsSkinRectangleAndItsTextColour)
{
    const auto store = StateSkin({QStringLiteral("activeskinrect=20,0,40,10"), QStringLiteral("downskinrect=40,0,60,10"),
                                  QStringLiteral("focusedskinrect=60,0,80,10"),
                                  QStringLiteral("disabledskinrect=80,0,100,10")});
    Form f(store.get());
    EXPECT_EQ(f.button->size(), QSize(20, 10)) << "a fixed skin keeps its size";
    QColor pen;
    bool active = false;
    bool down = false;
    f.button->OnPaint = [&](QPainter* canvas, bool&, bool isActive, bool isDown, QRect) {
        pen = canvas->pen().color();
        active = isActive;
        down = isDown;
    };
    const QColor red(255, 0, 0);
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    const struct {
        const char* what;
        std::function<void()> act;
        QRgb picture;
        QColor text;
        bool active, down;
    } rows[] = {
        {"normal", [] {}, kNormal, red, false, false},
        {"hot", [&] { f.Enter(); }, kActive, green, true, false},
        {"held", [&] { QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5)); }, kDown, blue, true, true},
        {"held, pointer away", [&] { QTest::mouseMove(f.button, QPoint(50, 50)); }, kFocused, green, true, false},
        {"released away", [&] { QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(50, 50)); }, kFocused, green,
         true, false},
        {"focus elsewhere", [&] { f.edit->setFocus(); }, kNormal, red, false, false},
        {"disabled: grey instead of the normal colour", [&] { f.button->setEnabled(false); }, kDisabled,
         QColor(128, 128, 128), false, false},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(f.Pixel(QPoint(10, 5)), row.picture) << row.what;
        EXPECT_EQ(pen, row.text) << row.what;
        EXPECT_EQ(active, row.active) << row.what;
        EXPECT_EQ(down, row.down) << row.what;
    }
    EXPECT_EQ(f.clicks.size(), 0) << "released away from the button: no click";
}

TEST(TbsSkinButton, MissingStateRectanglesFallBack)
{
    // No active rectangle: the skin rectangle; no down rectangle: the active one; no focused
    // or disabled rectangle: the active and the normal look.
    const auto store = StateSkin({});
    Form f(store.get());
    f.Enter();
    EXPECT_EQ(f.Pixel(QPoint(10, 5)), kNormal);
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.Pixel(QPoint(10, 5)), kNormal);
    const auto withActive = StateSkin({QStringLiteral("activeskinrect=20,0,40,10")});
    Form g(withActive.get());
    QTest::mousePress(g.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(g.Pixel(QPoint(10, 5)), kActive) << "down falls back to active";
    QTest::mouseRelease(g.button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(g.Pixel(QPoint(10, 5)), kActive) << "focused without a focused picture looks active";
    g.edit->setFocus();
    g.button->setEnabled(false);
    EXPECT_EQ(g.Pixel(QPoint(10, 5)), kNormal);
}

TEST(TbsSkinButton, PlainLookFramesAndFillsByState)
{
    Form f;
    const QRgb navy = qRgb(0, 0, 128);
    const QRgb shadow = SystemColor(SkinColor::kButtonShadow).rgb();
    QColor pen;
    f.button->OnPaint = [&](QPainter* canvas, bool&, bool, bool, QRect) { pen = canvas->pen().color(); };
    const struct {
        const char* what;
        std::function<void()> act;
        QRgb frame, fill;
    } rows[] = {
        {"normal", [] {}, shadow, SystemColor(SkinColor::kButtonFace).rgb()},
        {"hot", [&] { f.Enter(); }, navy, qRgb(182, 189, 210)},
        {"held", [&] { QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5)); }, navy, qRgb(133, 147, 181)},
        {"clicked, focused", [&] { QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(5, 5)); }, navy,
         qRgb(182, 189, 210)},
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(f.Pixel(QPoint(0, 0)), row.frame) << row.what;
        EXPECT_EQ(f.Pixel(QPoint(74, 24)), row.frame) << row.what;
        EXPECT_EQ(f.Pixel(QPoint(3, 3)), row.fill) << row.what;
    }
    EXPECT_EQ(f.clicks.size(), 1);
    f.edit->setFocus();
    f.Leave();
    f.button->setEnabled(false);
    f.button->grab();
    EXPECT_EQ(pen, SystemColor(SkinColor::kButtonShadow)) << "disabled text";
}

TEST(TbsSkinButton, MouseAndKeyboardClicks)
{
    Form f;
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.button->hasFocus()) << "a press moves the focus to the button";
    QTest::mouseClick(f.button, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(f.clicks.size(), 1);
    QTest::keyPress(f.button, Qt::Key_Space);
    EXPECT_EQ(f.button->Look(), TbsButtonLook::Down);
    EXPECT_EQ(f.clicks.size(), 1) << "Space clicks on release";
    QTest::keyRelease(f.button, Qt::Key_Space);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(f.clicks.size(), 3);
    f.button->SetCanFocused(false);
    f.edit->setFocus();
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.clicks.size(), 4);
    EXPECT_TRUE(f.edit->hasFocus()) << "a button that cannot take the focus leaves it where it is";
    QTest::keyClick(f.button, Qt::Key_Space);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(f.clicks.size(), 4) << "keys need CanFocused";
}

TEST(TbsSkinButton, RepeatModeClicksWhileHeld)
{
    Form f;
    f.button->SetRepeatMode(true);
    f.button->SetRepeatInterval(20);
    TTimer* repeat = TimerOf(f.button, "RepeatTimer");
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.clicks.size(), 0);
    ASSERT_TRUE(repeat->Enabled());
    EXPECT_EQ(repeat->Interval(), 500) << "the first wait";
    Tick(repeat);
    EXPECT_EQ(f.clicks.size(), 1);
    repeat->SetEnabled(true);  // as the running timer would be
    EXPECT_EQ(repeat->Interval(), 20) << "then every RepeatInterval";
    Tick(repeat);
    EXPECT_EQ(f.clicks.size(), 2);
    repeat->SetEnabled(true);
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(repeat->Enabled()) << "the release stops the repeat";
    EXPECT_EQ(f.clicks.size(), 3) << "and clicks once more";
}

TEST(TbsSkinButton, GroupedButtonsStayDownAndReleaseEachOther)
{
    QWidget parent;
    TbsSkinButton* buttons[3];
    for (auto*& button : buttons) {
        button = new TbsSkinButton(&parent);
        button->SetGroupIndex(1);
    }
    parent.show();
    const auto click = [](TbsSkinButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); };
    click(buttons[0]);
    EXPECT_TRUE(buttons[0]->Down());
    click(buttons[1]);
    EXPECT_TRUE(buttons[1]->Down());
    EXPECT_FALSE(buttons[0]->Down());
    click(buttons[1]);
    EXPECT_TRUE(buttons[1]->Down()) << "without AllowAllUp one stays down";
    buttons[1]->SetAllowAllUp(true);
    click(buttons[1]);
    EXPECT_FALSE(buttons[1]->Down());
    buttons[2]->SetGroupIndex(2);
    click(buttons[0]);
    click(buttons[2]);
    EXPECT_TRUE(buttons[0]->Down()) << "another group leaves it alone";
}

// A key typed into a widget, with the text it types (the keypad Enter types none).
void Type(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {})
{
    const QString text = key == Qt::Key_R ? QStringLiteral("r") : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

// A modal dialog with OK (default, result 1) and Cancel (Cancel, result 2), and a line edit.
struct Box {
    QDialog dialog;
    TbsSkinButton* ok = new TbsSkinButton(&dialog);
    TbsSkinButton* cancel = new TbsSkinButton(&dialog);
    QLineEdit* edit = new QLineEdit(&dialog);

    Box()
    {
        ok->SetCaption(QStringLiteral("确定"));
        ok->SetDefault(true);
        ok->SetModalResult(1);
        cancel->SetCaption(QStringLiteral("&Retry"));
        cancel->SetCancel(true);
        cancel->SetModalResult(2);
        cancel->move(80, 0);
        edit->move(0, 40);
        dialog.setModal(true);
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    int Closed(QWidget* focus, int key, Qt::KeyboardModifiers modifiers = {})
    {
        focus->setFocus();
        Type(focus, key, modifiers);
        return dialog.isVisible() ? -1 : dialog.result();
    }
};

TEST(TbsSkinButton, DialogKeysEndTheDialogWithTheButtonsResult)
{
    const struct {
        const char* what;
        std::function<QWidget*(Box&)> focus;
        int key;
        int result;
    } rows[] = {
        {"Enter on OK", [](Box& b) { return b.ok; }, Qt::Key_Return, 1},
        {"Enter on Cancel clicks the focused button", [](Box& b) { return b.cancel; }, Qt::Key_Enter, 2},
        {"Escape on OK clicks Cancel", [](Box& b) { return b.ok; }, Qt::Key_Escape, 2},
        {"Enter in the edit clicks the default", [](Box& b) { return b.edit; }, Qt::Key_Return, 1},
        {"the accelerator of &Retry", [](Box& b) { return b.ok; }, Qt::Key_R, 2},
    };
    for (const auto& row : rows) {
        Box box;
        EXPECT_EQ(box.Closed(row.focus(box), row.key), row.result) << row.what;
    }
    Box box;
    EXPECT_EQ(box.Closed(box.edit, Qt::Key_Escape, Qt::ShiftModifier), -1) << "Shift+Escape is not Cancel";
}

TEST(TbsSkinButton, ADisabledDefaultIgnoresEverythingUntilEnabled)
{
    Box box;
    delete box.cancel;
    box.ok->setEnabled(false);
    box.edit->setFocus();
    Type(box.edit, Qt::Key_Return);
    QTest::mouseClick(box.ok, Qt::LeftButton, {}, QPoint(5, 5));
    Type(box.ok, Qt::Key_Space);
    EXPECT_TRUE(box.dialog.isVisible());
    box.ok->setEnabled(true);
    EXPECT_EQ(box.Closed(box.edit, Qt::Key_Return), 1);
}

TEST(TbsSkinButton, TheFocusedSkinnedButtonIsTheActiveDefault)
{
    Box box;
    box.edit->setFocus();
    EXPECT_TRUE(box.ok->IsActiveDefault());
    EXPECT_FALSE(box.cancel->IsActiveDefault());
    EXPECT_EQ(box.ok->Look(), TbsButtonLook::Active) << "the default looks active while another control has the focus";
    box.cancel->setFocus();
    EXPECT_TRUE(box.cancel->IsActiveDefault());
    EXPECT_FALSE(box.ok->IsActiveDefault());
    EXPECT_EQ(box.ok->Look(), TbsButtonLook::Normal);
    box.edit->setFocus();
    EXPECT_TRUE(box.ok->IsActiveDefault());
    box.ok->SetDefault(false);
    EXPECT_FALSE(box.ok->IsActiveDefault()) << "setting Default re-evaluates at once";
}

}  // namespace
