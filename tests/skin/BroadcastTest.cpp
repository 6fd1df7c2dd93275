#include "skin/SkinTestSupport.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skin/TbsResourceStrData.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Received {
    QString form;
    int message;
    bool storeEmpty;
    bool storeChanging;
};

// A form that registers itself and notes every skin message as it arrives.
class RecordingForm : public QWidget {
public:
    RecordingForm(const QString& name, QList<Received>& log) : log_(log)
    {
        setObjectName(name);
        TbsSkinFormRegistry::Instance().Register(this);
    }

protected:
    bool event(QEvent* e) override
    {
        if (TbsSkinMessageEvent::IsSkinMessage(e)) {
            auto* message = static_cast<TbsSkinMessageEvent*>(e);
            EXPECT_EQ(message->Param(), 1000);
            log_.append({objectName(), message->Message(), message->Store()->IsEmpty(), message->Store()->Changing()});
            return true;
        }
        return QWidget::event(e);
    }

private:
    QList<Received>& log_;
};

} // namespace

// The layered border windows of skinned forms; they never hear skin messages.
class TbsFormLayerWindow : public RecordingForm {
    Q_OBJECT

public:
    using RecordingForm::RecordingForm;
};

namespace {

QStringList Order(const QList<Received>& log, int message)
{
    QStringList forms;
    for (const Received& r : log)
        if (r.message == message)
            forms.append(r.form);
    return forms;
}

class SkinBroadcast : public ::testing::Test {
protected:
    QList<Received> log;
    std::unique_ptr<RecordingForm> first = std::make_unique<RecordingForm>("first", log);
    std::unique_ptr<RecordingForm> owner = std::make_unique<RecordingForm>("owner", log);
    std::unique_ptr<TbsFormLayerWindow> layer = std::make_unique<TbsFormLayerWindow>("layer", log);
    std::unique_ptr<RecordingForm> last = std::make_unique<RecordingForm>("last", log);
};

} // namespace

TEST_F(SkinBroadcast, OwnerFirstThenEveryOtherFormDuringALoad)
{
    TbsSkinData* store = new TbsSkinData(owner.get());
    store->SetShowLayeredBorders(false);
    log.clear();
    SkinTest::LoadPackage(*store, SkinTest::SmallPackage({"[VERSION]", "skinname=x"}));
    const QStringList order{"owner", "first", "last"};
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinChangeBegin), order);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinChanged), order);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinChangeEnd), order);
    ASSERT_EQ(log.size(), 9);
    EXPECT_TRUE(log[0].storeEmpty && log[0].storeChanging);
    EXPECT_TRUE(!log[3].storeEmpty && log[3].storeChanging);
    EXPECT_TRUE(!log[6].storeEmpty && !log[6].storeChanging);
}

TEST_F(SkinBroadcast, LayeredBordersSendInCreationOrderOrReversed)
{
    TbsSkinData store(owner.get());
    ASSERT_TRUE(store.ShowLayeredBorders());
    store.SetSkinnableForm(false);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinnableFormChanged), QStringList({"first", "owner", "last"}));
    store.SetSkinnableForm(false);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinnableFormChanged).size(), 3) << "unchanged value sends nothing";

    SkinTest::LoadPackage(store, SkinTest::SmallPackage({"[LAYERFRAME]", "pictureindex=0"}));
    log.clear();
    TbsResourceStrData strings;
    store.SetResourceStrData(&strings);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::ResourceStringsChanged), QStringList({"last", "owner", "first"}));
    store.SetShowLayeredBorders(false);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::LayeredBordersChanged), QStringList({"owner", "first", "last"}));
}

TEST_F(SkinBroadcast, RestoringAndDestroyedForms)
{
    TbsSkinData store(owner.get());
    store.SetRestoring(true);
    store.SetShowLayeredBorders(false);
    EXPECT_TRUE(log.isEmpty());
    store.SetRestoring(false);
    first.reset();
    store.SetSkinnableForm(false);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::SkinnableFormChanged), QStringList({"owner", "last"}));
    EXPECT_EQ(TbsSkinFormRegistry::Instance().Forms().size(), 3);
}

TEST_F(SkinBroadcast, StoreWithoutFormOwnerSendsToAllForms)
{
    TbsSkinData store;
    store.SetShowLayeredBorders(false);
    EXPECT_EQ(Order(log, TbsSkinMessageEvent::LayeredBordersChanged), QStringList({"first", "owner", "last"}));
}

#include "BroadcastTest.moc"
