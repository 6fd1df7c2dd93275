#include "skincontrols/TbsSkinEdit.h"

#include "skincontrols/CraftedSkin.h"
#include "skinui/SkinColor.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb kNormal = qRgb(200, 30, 30);
const QRgb kActive = qRgb(30, 200, 30);

// An "edit" object of 20 x 10 that grows both ways, its text inside a one-pixel rim more than
// its corner points, normal and active faces in colours of their own.
std::unique_ptr<TbsSkinData> EditSkinStore()
{
    const QImage picture = CraftedSkin::Blocks(40, 10, {{QRect(0, 0, 20, 10), kNormal}, {QRect(20, 0, 20, 10), kActive}});
    return CraftedSkin::Store(
        {picture}, CraftedSkin::OneControl(
                       QStringLiteral("edit"), QStringLiteral("edit"),
                       {QStringLiteral("pictureindex=0"), QStringLiteral("skinrect=0,0,20,10"),
                        QStringLiteral("activeskinrect=20,0,40,10"), QStringLiteral("lefttoppoint=2,2"),
                        QStringLiteral("righttoppoint=18,2"), QStringLiteral("leftbottompoint=2,8"),
                        QStringLiteral("rightbottompoint=18,8"), QStringLiteral("clientrect=3,2,17,8"),
                        QStringLiteral("leftstretch=1"), QStringLiteral("rightstretch=1"), QStringLiteral("topstretch=1"),
                        QStringLiteral("bottomstretch=1"), QStringLiteral("stretcheffect=1"),
                        QStringLiteral("fontcolor=0x000000FF"), QStringLiteral("activefontcolor=0x0000FF00"),
                        QStringLiteral("disabledfontcolor=0x00FF0000")}));
}

struct Form {
    QWidget window;
    TbsSkinEdit* edit = new TbsSkinEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    explicit Form(TbsSkinData* store)
    {
        window.resize(200, 80);
        edit->SetSkinData(store);
        edit->setGeometry(0, 0, 100, 24);
        other->move(0, 40);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QEvent leave(QEvent::Leave);  // wherever the pointer was when the window came up
        QCoreApplication::sendEvent(edit, &leave);
    }
    QRgb Face(QPoint at) const
    {
        QImage face(edit->size(), QImage::Format_RGB32);
        edit->render(&face, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return face.pixel(at);
    }
};

// Normal, hot (the pointer over it), focused and disabled: the skin's normal or active face
// grown to the control and the text colour of the state; plainly, a field in a frame lit while
// hot or focused. The text lies in the skin's client rectangle grown with the face.
TEST(TbsSkinEdit, EachStateShowsItsFaceAndTextColour)
{
    const auto store = EditSkinStore();
    enum State { Normal, Hot, Focused, Disabled };
    const struct {
        State state;
        QRgb skinFace;
        QColor skinText;
        QRgb plainFrame;
    } cases[] = {
        {Normal, kNormal, Qt::red, SystemColor(SkinColor::kButtonShadow).rgb()},
        {Hot, kActive, Qt::green, SystemColor(SkinColor::kHighlight).rgb()},
        {Focused, kActive, Qt::green, SystemColor(SkinColor::kHighlight).rgb()},
        {Disabled, kNormal, Qt::blue, SystemColor(SkinColor::kButtonShadow).rgb()},
    };
    for (TbsSkinData* skin : {store.get(), static_cast<TbsSkinData*>(nullptr)}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << (skin ? "skinned, state " : "plain, state ") << c.state);
            Form f(skin);
            if (c.state == Hot) {
                QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
                QCoreApplication::sendEvent(f.edit, &enter);
            }
            if (c.state == Focused)
                f.edit->setFocus();
            f.edit->setEnabled(c.state != Disabled);
            EXPECT_EQ(f.edit->Editor()->hasFocus(), c.state == Focused);
            if (skin) {
                EXPECT_EQ(f.Face(QPoint(50, 12)), c.skinFace);
                EXPECT_EQ(f.edit->Editor()->palette().color(QPalette::Text), c.skinText);
                EXPECT_EQ(f.edit->Editor()->geometry(), QRect(3, 2, 94, 20));
            } else {
                EXPECT_EQ(f.Face(QPoint(0, 12)), c.plainFrame);
                EXPECT_EQ(f.Face(QPoint(50, 12)),
                          SystemColor(c.state == Disabled ? SkinColor::kButtonFace : SkinColor::kWindow).rgb());
                EXPECT_EQ(f.edit->Editor()->geometry(), QRect(4, 2, 92, 20));
            }
        }
    }
}

TEST(TbsSkinEdit, PasswordModeShowsDotsAndKeepsTheText)
{
    Form f(nullptr);
    f.edit->SetPasswordMode(true);
    f.edit->setFocus();
    QTest::keyClicks(f.edit->Editor(), QStringLiteral("kestrune"));
    EXPECT_EQ(f.edit->Text(), QStringLiteral("kestrune"));
    EXPECT_NE(f.edit->Editor()->displayText(), QStringLiteral("kestrune"));
    EXPECT_TRUE(f.edit->PasswordMode());
}

}  // namespace
