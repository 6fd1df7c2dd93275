#include "MenuTestSupport.h"

#include "skin/SkinPackageContent.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skinui/MonitorWorkArea.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace MenuSkinColors;

namespace {

QImage WindowPicture()
{
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(kSide);
    QPainter painter(&picture);
    painter.fillRect(QRect(3, 3, 24, 24), QColor::fromRgb(kMiddle));
    for (const QPoint corner : {QPoint(0, 0), QPoint(27, 0), QPoint(0, 27), QPoint(27, 27)})
        painter.fillRect(QRect(corner, QSize(3, 3)), QColor::fromRgb(kCorner));
    return picture;
}

QImage ItemPicture()
{
    QImage picture(40, 24, QImage::Format_RGB32);
    picture.fill(kItemEnd);
    QPainter painter(&picture);
    painter.fillRect(QRect(2, 0, 36, 10), QColor::fromRgb(kItemNormal));
    painter.fillRect(QRect(2, 10, 36, 10), QColor::fromRgb(kItemHot));
    painter.fillRect(QRect(0, 20, 40, 4), QColor::fromRgb(kDivider));
    return picture;
}

// Black (inside) everywhere but a white 2 x 2 notch in each corner.
QImage MaskPicture()
{
    QImage picture(30, 30, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (const QPoint corner : {QPoint(0, 0), QPoint(28, 0), QPoint(0, 28), QPoint(28, 28)})
        painter.fillRect(QRect(corner, QSize(2, 2)), Qt::white);
    return picture;
}

}  // namespace

QStringList MenuSkinDescription()
{
    return {
        QStringLiteral("[POPUPWINDOW]"),          QStringLiteral("windowpictureindex=0"),
        QStringLiteral("lefttoppoint=3,3"),       QStringLiteral("righttoppoint=27,3"),
        QStringLiteral("leftbottompoint=3,27"),   QStringLiteral("rightbottompoint=27,27"),
        QStringLiteral("itemsrect=3,3,27,27"),    QStringLiteral("leftstretch=1"),
        QStringLiteral("rightstretch=1"),         QStringLiteral("topstretch=1"),
        QStringLiteral("bottomstretch=1"),        QStringLiteral("stretcheffect=1"),
        QStringLiteral("scrollmarkercolor=0x000000"), QStringLiteral("scrollmarkeractivecolor=0x0000FF"),
        QStringLiteral("[SKINOBJECTS]"),          QStringLiteral("count=1"),
        QStringLiteral("0=menuitem:menuitem"),    QStringLiteral("[menuitem]"),
        QStringLiteral("activepictureindex=1"),   QStringLiteral("skinrect=0,0,40,10"),
        QStringLiteral("activeskinrect=0,10,40,20"), QStringLiteral("dividerrect=0,20,40,24"),
        QStringLiteral("itemleftoffset=2"),       QStringLiteral("itemrightoffset=2"),
        QStringLiteral("stretcheffect=1"),        QStringLiteral("dividerstretcheffect=1"),
        QStringLiteral("textrect=10,0,38,10"),    QStringLiteral("fontname=Arial"),
        QStringLiteral("fontheight=10"),          QStringLiteral("fontcolor=0x000000"),
        QStringLiteral("activefontcolor=0xFFFFFF"),
    };
}

void LoadMenuSkin(TbsSkinData& store, const QStringList& description)
{
    SkinPackageContent content;
    content.Pictures = {WindowPicture(), ItemPicture(), MaskPicture()};
    content.DescriptionLines = description;
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(TbsCompressedStoredSkin::Compress(content.Write()));
    store.LoadFromStoredSkin(&stored);
}

bool MenuOwner::event(QEvent* event)
{
    if (event->type() == TbsSkinMenu::CloseSkinMenuMessage || event->type() == TbsSkinMenu::AfterDispatchMessage)
        messages << QString::number(event->type());
    return QWidget::event(event);
}

void MenuOwner::keyPressEvent(QKeyEvent*)
{
    ++keys;
}

void MenuOwner::wheelEvent(QWheelEvent*)
{
    ++wheels;
}

MenuHost::MenuHost()
{
    form.setGeometry(MenuWorkArea().x() + 300, MenuWorkArea().y() + 300, 200, 100);
    form.show();
    // A window manager may keep a new window inactive; tests that need the focus say so.
    (void)QTest::qWaitForWindowActive(&form, 1000);
    menu = new TbsSkinMenu(&form);
    popup = new TbsSkinPopupMenu(&form);
}

TMenuItem* MenuHost::Add(const QString& notation, TMenuItem* parent)
{
    QString caption = notation;
    auto* item = new TMenuItem;
    if (caption.startsWith(u'!')) {
        item->SetEnabled(false);
        caption.remove(0, 1);
    }
    if (caption.size() > 1 && caption.endsWith(u'>')) {
        caption.chop(1);
        auto* child = new TMenuItem;
        child->SetCaption(QStringLiteral("Sub"));
        item->Add(child);
    }
    item->SetCaption(caption);
    (parent ? parent : popup->Items())->Add(item);
    return item;
}

void MenuHost::Open(QPoint at)
{
    if (at == QPoint(-1, -1))
        at = MenuWorkArea().topLeft() + QPoint(20, 20);
    popup->Popup(at.x(), at.y());
}

void MenuHost::Click(int level, int index)
{
    TbsSkinPopupWindow* window = Level(level);
    const QPoint at = window->Geometry().ItemRect(index, window->TopIndex()).center();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

QImage MenuHost::Picture(TbsSkinPopupWindow* level)
{
    return level->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect MenuWorkArea()
{
    return GetMonitorWorkArea(nullptr, true);
}
