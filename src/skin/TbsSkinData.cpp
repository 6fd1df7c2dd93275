#include "skin/TbsSkinData.h"

#include "skin/SkinDescription.h"
#include "skin/SkinKindTable.h"
#include "skin/SkinPackageContent.h"
#include "skin/TbsCompressedSkinList.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skin/TbsSkinMessageEvent.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString kPictures = QStringLiteral("PICTURES");

// Reads "count" and the entries "0", "1", ... of a list section; each entry is name:kindword.
// An entry whose kind word creates nothing is skipped.
template <typename List, typename Create>
void ReadObjectList(const SkinDescription& description, const QString& section, List& list, Create create)
{
    const QStringList entries = description.ReadNameList(section, QString());
    for (const QString& entry : entries) {
        const qsizetype colon = entry.indexOf(u':');
        const QString name = colon < 0 ? QString() : entry.left(colon);
        const QString kind = colon < 0 ? QString() : entry.mid(colon + 1);
        auto object = create(kind, name);
        if (!object)
            continue;
        object->ReadFromDescription(description);
        list.push_back(std::move(object));
    }
}

template <typename List>
int FindByName(const List& list, const QString& name)
{
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& o) { return o->ObjectName == name; });
    return it == list.end() ? -1 : int(it - list.begin());
}

} // namespace

TbsSkinData::TbsSkinData(QObject* owner) : QObject(owner) {}

TbsSkinData::~TbsSkinData() = default;

void TbsSkinData::SetSkinnableForm(bool value)
{
    if (value == skinnableForm_)
        return;
    skinnableForm_ = value;
    if (!restoring_)
        BroadcastSkinMessage(TbsSkinMessageEvent::SkinnableFormChanged);
}

void TbsSkinData::SetShowLayeredBorders(bool value)
{
    if (value == showLayeredBorders_)
        return;
    showLayeredBorders_ = value;
    if (!restoring_)
        BroadcastSkinMessage(TbsSkinMessageEvent::LayeredBordersChanged);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* stored)
{
    storedSkin_ = stored;
    if (stored)
        LoadFromStoredSkin(stored);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* data)
{
    resourceStrData_ = data;
    BroadcastSkinMessage(TbsSkinMessageEvent::ResourceStringsChanged);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* list)
{
    skinList_ = list;
    if (list && skinIndex_ >= 0 && skinIndex_ < list->Skins().Count())
        LoadFromStoredSkin(&list->Skins().Item(skinIndex_).StoredSkin());
}

void TbsSkinData::SetSkinIndex(int index)
{
    if (index == skinIndex_)
        return;
    if (!skinList_) {
        skinIndex_ = index;
        return;
    }
    if (index < 0 || index >= skinList_->Skins().Count())
        return;
    skinIndex_ = index;
    LoadFromStoredSkin(&skinList_->Skins().Item(index).StoredSkin());
}

void TbsSkinData::LoadPackageFile(const QString& path)
{
    TbsCompressedStoredSkin stored(this);
    stored.ReadPackageFile(path);
    if (!stored.HasNoData())
        LoadFromStoredSkin(&stored);
}

// A load that fails or meets a newer content version still closes like any other load, so
// receivers are not left waiting with Changing set; the store is then empty.
void TbsSkinData::LoadFromStoredSkin(TbsCompressedStoredSkin* stored)
{
    if (!stored || stored->HasNoData())
        return;
    isEmpty_ = true;
    changing_ = true;
    BroadcastSkinMessage(TbsSkinMessageEvent::SkinChangeBegin);
    ClearSkin();
    try {
        QByteArray unpacked;
        stored->Unpack(unpacked);
        SkinPackageContent content = SkinPackageContent::Read(unpacked);
        unpacked.clear();
        if (content.Supported()) {
            ReadContent(content);
            isEmpty_ = false;
        }
    } catch (...) {
        ClearSkin();
        FinishLoad();
        throw;
    }
    FinishLoad();
}

void TbsSkinData::FinishLoad()
{
    BroadcastSkinMessage(TbsSkinMessageEvent::SkinChanged);
    changing_ = false;
    BroadcastSkinMessage(TbsSkinMessageEvent::SkinChangeEnd);
}

void TbsSkinData::ReadContent(SkinPackageContent& content)
{
    framePicture_ = std::move(content.FramePicture);
    inactiveFramePicture_ = std::move(content.InactiveFramePicture);
    frameMask_ = std::move(content.FrameMask);
    pictures_ = std::move(content.Pictures);
    doubleSize_ = std::move(content.DoubleSize);
    const SkinDescription description(content.DescriptionLines);
    version_.ReadFromDescription(description);
    ReadPictureNames(description);
    formInfo_.ReadFrom(description, !frameMaskName_.isEmpty());
    popupWindowSkin_.ReadFromDescription(description);
    layerFrameSkin_.ReadFromDescription(description);
    hintWindowSkin_.ReadFromDescription(description);
    colors_.ReadFromDescription(description);
    ReadObjectLists(description);
}

void TbsSkinData::ReadPictureNames(const SkinDescription& description)
{
    framePictureName_ = description.ReadString(kPictures, QStringLiteral("picture"));
    inactiveFramePictureName_ = description.ReadString(kPictures, QStringLiteral("inactivepicture"));
    frameMaskName_ = description.ReadString(kPictures, QStringLiteral("mask"));
    pictureNames_.append(description.ReadNameList(kPictures, QStringLiteral("activepictures")));
}

void TbsSkinData::ReadObjectLists(const SkinDescription& description)
{
    ReadObjectList(description, QStringLiteral("SKINOBJECTS"), skinObjects_, &SkinKindTable::CreateObject);
    ReadObjectList(description, QStringLiteral("SKINCONTROLS"), skinControls_, &SkinKindTable::CreateControl);
}

void TbsSkinData::ClearSkin()
{
    skinObjects_.clear();
    skinControls_.clear();
    pictures_.clear();
    pictureNames_.clear();
    layerFrameSkin_.pictureindex = -1;
    popupWindowSkin_.windowpictureindex = -1;
    hintWindowSkin_.windowpictureindex = -1;
    colors_.ResetToDefaults();
    framePicture_ = QImage();
    inactiveFramePicture_ = QImage();
    frameMask_ = QImage();
    doubleSize_ = SkinDoubleSizePictures();
    framePictureName_.clear();
    frameMaskName_.clear();
    isEmpty_ = true;
}

int TbsSkinData::FindObjectIndex(const QString& name) const
{
    return FindByName(skinObjects_, name);
}

int TbsSkinData::FindControlIndex(const QString& name) const
{
    return FindByName(skinControls_, name);
}

QObject* TbsSkinData::OwnerForm() const
{
    QObject* owner = parent();
    return TbsSkinFormRegistry::Instance().Contains(owner) ? owner : nullptr;
}

// The owner hears first unless layered borders are shown; the layered border windows never
// hear; with layered borders drawn from a picture the other forms hear newest first.
void TbsSkinData::BroadcastSkinMessage(int message)
{
    Q_EMIT OnSkinMessage(message);
    QObject* owner = showLayeredBorders_ ? nullptr : OwnerForm();
    if (owner) {
        TbsSkinMessageEvent event(message, this);
        QCoreApplication::sendEvent(owner, &event);
    }
    QList<QObject*> forms = TbsSkinFormRegistry::Instance().Forms();
    forms.removeIf([owner](QObject* form) { return form == owner || form->inherits("TbsFormLayerWindow"); });
    if (showLayeredBorders_ && layerFrameSkin_.pictureindex != -1)
        std::reverse(forms.begin(), forms.end());
    // A receiver may destroy another form while it handles the message.
    const QList<QPointer<QObject>> receivers(forms.begin(), forms.end());
    for (const QPointer<QObject>& form : receivers) {
        if (form.isNull())
            continue;
        TbsSkinMessageEvent event(message, this);
        QCoreApplication::sendEvent(form.data(), &event);
    }
}
