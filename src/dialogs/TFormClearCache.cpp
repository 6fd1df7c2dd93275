#include "dialogs/TFormClearCache.h"

#include "framework/TApplicationEvents.h"
#include "framework/TImage.h"
#include "framework/TTimer.h"
#include "platform/ResourcePack.h"
#include "platform/UrlCache.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinGauge.h"
#include "skincontrols/TbsSkinLabel.h"

#include <QCloseEvent>

QString TFormClearCache::ConfirmationText()
{
    return QStringLiteral("清理缓存可以修复部分游戏显示不正确的问题。\r\n请在清理前退出游戏。");
}

QString TFormClearCache::ConfirmationCaption()
{
    return QStringLiteral("清理缓存");
}

TFormClearCache::TFormClearCache(TbsSkinData* skinData, UrlCache& cache, QWidget* parent)
    : TDialogForm(QStringLiteral("FormClearCache"), ConfirmationCaption(), {314, 142},
                  TFormBorderStyle::bsSizeable, {}, skinData, parent),
      cache_(cache)
{
    ImageFace = new TImage(Client());
    ImageFace->setObjectName(QStringLiteral("ImageFace"));
    ImageFace->setGeometry(64, 34, 60, 62);
    ImageFace->hide();

    bsSkinGauge = new TbsSkinGauge(Client());
    bsSkinGauge->setObjectName(QStringLiteral("bsSkinGauge"));
    bsSkinGauge->setGeometry(24, 56, 273, 20);
    bsSkinGauge->SetSkinData(skinData);

    bsSkinButtonOK = new TbsSkinButton(Client());
    bsSkinButtonOK->setObjectName(QStringLiteral("bsSkinButtonOK"));
    bsSkinButtonOK->setGeometry(222, 98, 75, 25);
    bsSkinButtonOK->SetCaption(QStringLiteral("确定"));
    bsSkinButtonOK->setEnabled(false);
    bsSkinButtonOK->SetDefault(true);
    bsSkinButtonOK->SetModalResult(1);
    bsSkinButtonOK->SetSkinData(skinData);

    bsSkinLabelTitle = new TbsSkinLabel(Client());
    bsSkinLabelTitle->setObjectName(QStringLiteral("bsSkinLabelTitle"));
    bsSkinLabelTitle->setGeometry(130, 47, 57, 21);
    bsSkinLabelTitle->SetCaption(QStringLiteral("清理完成"));
    bsSkinLabelTitle->SetSkinData(skinData);
    bsSkinLabelTitle->hide();

    TimerWork = new TTimer(this);
    TimerWork->setObjectName(QStringLiteral("TimerWork"));
    TimerWork->SetInterval(500);
    connect(TimerWork, &TTimer::OnTimer, this, &TFormClearCache::TimerWorkTimer);
    TimerWork->SetEnabled(true);
}

void TFormClearCache::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    TApplicationEvents::Guard([this] { FormShow(this); });
}

void TFormClearCache::FormShow(QObject*)
{
    // Running since the dialog was made: its period goes on. A later show (the dialog back
    // from minimized) starts no second cleaning.
    if (!started_)
        TimerWork->SetEnabled(true);
    LoadPackImage(*ImageFace, QStringLiteral("Face"), QStringLiteral("JPEG"));
}

void TFormClearCache::TimerWorkTimer(QObject*)
{
    TimerWork->SetEnabled(false);
    if (started_)
        return;
    started_ = true;
    cleaning_ = true;
    // The purge goes on in the background while the dialog paints the progress; the done
    // state comes only when the cache reports itself empty (at once for an empty cache).
    connect(&cache_, &UrlCache::PurgeProgress, this, &TFormClearCache::ShowProgress);
    connect(&cache_, &UrlCache::Purged, this, &TFormClearCache::CleaningDone, Qt::SingleShotConnection);
    cache_.PurgeUrlCache(QString());
}

void TFormClearCache::ShowProgress(int Left, int Total)
{
    bsSkinGauge->SetMaxValue(Total);
    bsSkinGauge->SetValue(Total - Left);
}

void TFormClearCache::CleaningDone()
{
    disconnect(&cache_, &UrlCache::PurgeProgress, this, &TFormClearCache::ShowProgress);
    cleaning_ = false;
    bsSkinGauge->SetValue(0);
    bsSkinGauge->SetMaxValue(0);
    bsSkinGauge->hide();
    ImageFace->show();
    bsSkinLabelTitle->show();
    bsSkinButtonOK->setEnabled(true);
}

void TFormClearCache::closeEvent(QCloseEvent* event)
{
    // While the cache empties the dialog takes no input, its frame's close button included.
    if (cleaning_) {
        event->ignore();
        return;
    }
    TDialogForm::closeEvent(event);
}
