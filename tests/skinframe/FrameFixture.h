#pragma once

#include "support/Wait.h"
#include "skin/SkinTestSupport.h"
#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skinframe/TbsActiveSkinObject.h"
#include "skinframe/TbsSkinFrame.h"
#include "support/FakeNotificationIcon.h"
#include "support/FakeWindowManager.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// A widget that remembers the skin notifications and the keys it is sent.
class Recorder : public QWidget {
public:
    using QWidget::QWidget;
    QList<int> messages;
    QList<const TbsSkinData*> stores;
    QList<int> keys;  // the keys pressed, modifiers aside

protected:
    bool event(QEvent* event) override
    {
        if (TbsSkinMessageEvent::IsSkinMessage(event)) {
            messages << int(event->type());
            stores << static_cast<TbsSkinMessageEvent*>(event)->Store();
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Alt && key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Meta)
                keys << key;
        }
        return QWidget::event(event);
    }
};

// The shipped skin: a 160 x 90 frame picture with a 28-pixel caption bar and 4-pixel borders,
// rounded top corners cut by its mask, and separate-picture caption buttons.
inline void LoadDefaultSkin(TbsSkinData& store)
{
    store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
}

// A crafted skin: frame picture, optional mask and picture list, and the description lines.
inline void LoadCraftedSkin(TbsSkinData& store, const QImage& frame, const QImage& mask, const QList<QImage>& pictures,
                            const QStringList& description)
{
    using namespace SkinTest;
    const QList<QByteArray> items{frame.isNull() ? AbsentItem() : PictureItem(frame), AbsentItem(),
                                  mask.isNull() ? AbsentItem() : PictureItem(mask)};
    LoadPackage(store, Package(Content(3, items, qint32(pictures.size()), pictures, AnsiLines(description))));
}

// A form with a frame on it, bound to a store with the system's strings, moved and sized
// through a recording window manager.
struct FramedForm {
    TbsResourceStrData strings;
    TbsSkinData store;
    FakeWindowManager windows;
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TbsSkinFrame* frame = nullptr;

    explicit FramedForm(TbsBorderIcons icons = biSystemMenu, TFormBorderStyle style = TFormBorderStyle::bsSizeable)
    {
        strings.SetResStrings(TbsResourceStrData::SystemStrings());
        store.SetResourceStrData(&strings);
        store.SetAnimationForAllWindows(true);
        form->setWindowTitle(QStringLiteral("提示"));
        form->setGeometry(100, 100, 400, 300);
        frame = new TbsSkinFrame(form.get(), style, &windows);
        frame->SetBorderIcons(icons);
        frame->SetSkinData(&store);
    }

    void Show()
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    const TbsActiveSkinObject& Object(const char* name) const
    {
        const TbsActiveSkinObject* object = frame->FindObject(QLatin1String(name));
        if (!object)
            throw std::runtime_error(std::string("no frame object ") + name);
        return *object;
    }

    QImage Grab() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};
