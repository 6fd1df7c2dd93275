#pragma once

#include "skin/TbsCompressedSkinList.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsDataSkinControl.h"
#include "skin/TbsDataSkinFormInfo.h"
#include "skin/TbsDataSkinHintWindow.h"
#include "skin/TbsDataSkinLayerFrame.h"
#include "skin/TbsDataSkinObject.h"
#include "skin/TbsDataSkinPopupWindow.h"
#include "skin/TbsDataSkinVersion.h"
#include "skin/SkinDoubleSizePictures.h"
#include "skin/TbsResourceStrData.h"
#include "skin/TbsSkinColors.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class SkinDescription;
class SkinPackageContent;

// The one place a loaded skin lives: frame pictures, picture list, [FORMINFO], the fixed
// records and the two ordered lists of named skin objects. A load tells every form of the
// application (TbsSkinFormRegistry) through TbsSkinMessageEvent, the store's owner first.
//
// A picture index of -1, or one at or beyond Pictures().size(), means no picture.
//
// Every broadcast is also announced by OnSkinMessage, before any form hears it, so that a
// control holding this store reacts to a load even where no form frame passes the messages on.
class TbsSkinData : public QObject {
    Q_OBJECT

public:
    using SkinObjectList = std::vector<std::unique_ptr<TbsDataSkinObject>>;
    using SkinControlList = std::vector<std::unique_ptr<TbsDataSkinControl>>;

    explicit TbsSkinData(QObject* owner = nullptr);
    ~TbsSkinData() override;

    bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool value);
    bool AnimationForAllWindows() const { return animationForAllWindows_; }
    void SetAnimationForAllWindows(bool value) { animationForAllWindows_ = value; }
    bool EnableSkinEffects() const { return enableSkinEffects_; }
    void SetEnableSkinEffects(bool value) { enableSkinEffects_ = value; }
    bool ShowButtonGlowFrames() const { return showButtonGlowFrames_; }
    void SetShowButtonGlowFrames(bool value) { showButtonGlowFrames_ = value; }
    bool ShowCaptionButtonGlowFrames() const { return showCaptionButtonGlowFrames_; }
    void SetShowCaptionButtonGlowFrames(bool value) { showCaptionButtonGlowFrames_ = value; }
    bool ShowLayeredBorders() const { return showLayeredBorders_; }
    void SetShowLayeredBorders(bool value);

    TbsCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* stored);
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TbsResourceStrData* data);
    TbsCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TbsCompressedSkinList* list);
    int SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int index);

    // While the owning form restores its stored definition, property changes broadcast nothing.
    void SetRestoring(bool restoring) { restoring_ = restoring; }

    bool IsEmpty() const { return isEmpty_; }
    bool Changing() const { return changing_; }

    const TbsDataSkinVersion& Version() const { return version_; }
    const QImage& FramePicture() const { return framePicture_; }
    const QImage& InactiveFramePicture() const { return inactiveFramePicture_; }
    const QImage& FrameMask() const { return frameMask_; }
    const QString& FramePictureName() const { return framePictureName_; }
    const QString& InactiveFramePictureName() const { return inactiveFramePictureName_; }
    const QString& FrameMaskName() const { return frameMaskName_; }
    const QList<QImage>& Pictures() const { return pictures_; }
    const QStringList& PictureNames() const { return pictureNames_; }
    // The pictures drawn at a device pixel ratio above 1, where the skin has them.
    const SkinDoubleSizePictures& DoubleSizePictures() const { return doubleSize_; }
    const TbsDataSkinFormInfo& FormInfo() const { return formInfo_; }
    const TbsDataSkinPopupWindow& PopupWindowSkin() const { return popupWindowSkin_; }
    const TbsDataSkinLayerFrame& LayerFrameSkin() const { return layerFrameSkin_; }
    const TbsDataSkinHintWindow& HintWindowSkin() const { return hintWindowSkin_; }
    const TbsSkinColors& Colors() const { return colors_; }
    const SkinObjectList& SkinObjects() const { return skinObjects_; }
    const SkinControlList& SkinControls() const { return skinControls_; }

    // Loads a package file. Errors propagate; a failed load leaves the store empty.
    void LoadPackageFile(const QString& path);
    void LoadFromStoredSkin(TbsCompressedStoredSkin* stored);
    void ClearSkin();

    // Position of the first object of that exact name, -1 when there is none.
    int FindObjectIndex(const QString& name) const;
    int FindControlIndex(const QString& name) const;

    void BroadcastSkinMessage(int message);

Q_SIGNALS:
    void OnSkinMessage(int Message);

private:
    void ReadContent(SkinPackageContent& content);
    void ReadPictureNames(const SkinDescription& description);
    void ReadObjectLists(const SkinDescription& description);
    void FinishLoad();
    QObject* OwnerForm() const;

    bool skinnableForm_ = true;
    bool animationForAllWindows_ = false;
    bool enableSkinEffects_ = true;
    bool showButtonGlowFrames_ = true;
    bool showCaptionButtonGlowFrames_ = true;
    bool showLayeredBorders_ = true;
    QPointer<TbsCompressedStoredSkin> storedSkin_;
    QPointer<TbsResourceStrData> resourceStrData_;
    QPointer<TbsCompressedSkinList> skinList_;
    int skinIndex_ = 0;
    bool restoring_ = false;

    bool isEmpty_ = true;
    bool changing_ = false;
    TbsDataSkinVersion version_;
    QImage framePicture_;
    QImage inactiveFramePicture_;
    QImage frameMask_;
    QString framePictureName_;
    QString inactiveFramePictureName_;
    QString frameMaskName_;
    QList<QImage> pictures_;
    QStringList pictureNames_;
    SkinDoubleSizePictures doubleSize_;
    TbsDataSkinFormInfo formInfo_;
    TbsDataSkinPopupWindow popupWindowSkin_;
    TbsDataSkinLayerFrame layerFrameSkin_;
    TbsDataSkinHintWindow hintWindowSkin_;
    TbsSkinColors colors_;
    SkinObjectList skinObjects_;
    SkinControlList skinControls_;
};
