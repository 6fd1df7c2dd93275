#include "skincontrols/TbsSkinCheckBox.h"

#include "skincontrols/CraftedSkin.h"
#include "skinui/SkinColor.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Boxes of 13 pixels in colours of their own: unchecked, checked, hot unchecked, hot checked,
// disabled unchecked, disabled checked.
const QRgb kBoxes[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0), qRgb(0, 200, 200),
                       qRgb(200, 0, 200)};

std::unique_ptr<TbsSkinData> BoxSkin()
{
    QList<CraftedSkin::Block> blocks;
    for (int i = 0; i < 6; ++i)
        blocks.append({QRect(13 * i, 0, 13, 13), kBoxes[i]});
    const auto rect = [](int i) { return QStringLiteral("%1,0,%2,13").arg(13 * i).arg(13 * i + 13); };
    return CraftedSkin::Store({CraftedSkin::Blocks(78, 13, blocks)},
                              CraftedSkin::OneControl(QStringLiteral("checkbox"), QStringLiteral("checkradio"),
                                                      {QStringLiteral("pictureindex=0"), QStringLiteral("uncheckimagerect=") + rect(0),
                                                       QStringLiteral("checkimagerect=") + rect(1),
                                                       QStringLiteral("activeuncheckimagerect=") + rect(2),
                                                       QStringLiteral("activecheckimagerect=") + rect(3),
                                                       QStringLiteral("unenableduncheckimagerect=") + rect(4),
                                                       QStringLiteral("unenabledcheckimagerect=") + rect(5)}));
}

struct Box {
    QWidget window;
    TbsSkinCheckBox* box = new TbsSkinCheckBox(&window);
    QSignalSpy clicks{box, &TControl::OnClick};

    explicit Box(TbsSkinData* store)
    {
        window.resize(200, 40);
        box->SetSkinData(store);
        box->SetCaption(QStringLiteral("阻止此页面显示更多对话框"));
        box->setGeometry(0, 0, 180, 17);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QEvent leave(QEvent::Leave);  // wherever the pointer was when the window came up
        QCoreApplication::sendEvent(box, &leave);
    }
    // The middle of the box as painted.
    QRgb BoxPixel(QPoint at = QPoint(6, 8)) const { return box->grab().toImage().pixel(at); }
};

// A click ticks or clears it, as do Space; a press let go away from it, or another button,
// changes nothing. Each change is one OnClick.
TEST(TbsSkinCheckBox, AClickOrSpaceTogglesAndNothingElseDoes)
{
    const struct {
        const char* what;
        std::function<void(TbsSkinCheckBox*)> act;
        bool toggles;
    } cases[] = {
        {"click", [](TbsSkinCheckBox* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(90, 8)); }, true},
        {"Space", [](TbsSkinCheckBox* b) { b->setFocus(); QTest::keyClick(b, Qt::Key_Space); }, true},
        {"released away",
         [](TbsSkinCheckBox* b) {
             QTest::mousePress(b, Qt::LeftButton, {}, QPoint(90, 8));
             QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(190, 30));
         },
         false},
        {"right button", [](TbsSkinCheckBox* b) { QTest::mouseClick(b, Qt::RightButton, {}, QPoint(90, 8)); }, false},
    };
    for (const auto& c : cases) {
        for (const bool checked : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.what << (checked ? ", checked" : ", clear"));
            Box b(nullptr);
            b.box->SetChecked(checked);
            c.act(b.box);
            EXPECT_EQ(b.box->Checked(), checked != c.toggles);
            EXPECT_EQ(b.clicks.count(), c.toggles ? 1 : 0);
            EXPECT_FALSE(b.box->State().testFlag(CheckBoxStateFlag::Down));
        }
    }
}

// The skin's box of each state, in the middle of the height at the left; plainly, a field with
// a tick when checked.
TEST(TbsSkinCheckBox, EachStateShowsItsBox)
{
    const auto store = BoxSkin();
    const struct {
        bool checked;
        bool hot;
        bool enabled;
        int box;
    } cases[] = {{false, false, true, 0}, {true, false, true, 1}, {false, true, true, 2},
                 {true, true, true, 3},   {false, false, false, 4}, {true, true, false, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        Box b(store.get());
        b.box->SetChecked(c.checked);
        b.box->setEnabled(c.enabled);
        if (c.hot) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(b.box, &enter);
        }
        EXPECT_EQ(b.BoxPixel(), kBoxes[c.box]);
        EXPECT_EQ(b.BoxPixel(QPoint(6, 2)), kBoxes[c.box]) << "the box is centred in the height";
        EXPECT_EQ(b.BoxPixel(QPoint(6, 14)), kBoxes[c.box]);
        EXPECT_NE(b.BoxPixel(QPoint(6, 15)), kBoxes[c.box]);
    }
    for (const bool checked : {false, true}) {
        Box b(nullptr);
        b.box->SetChecked(checked);
        const QRgb ink = SystemColor(SkinColor::kWindowText).rgb();
        EXPECT_EQ(b.BoxPixel(QPoint(1 + 5, 2 + 8)) == ink, checked) << "the tick's lowest point";
        EXPECT_EQ(b.BoxPixel(QPoint(1, 2)), SystemColor(SkinColor::kButtonShadow).rgb()) << "the frame";
    }
}

}  // namespace
