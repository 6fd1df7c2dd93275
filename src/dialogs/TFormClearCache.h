#pragma once

#include "dialogs/TDialogForm.h"

class TImage;
class TTimer;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinGauge;
class TbsSkinLabel;
class UrlCache;

// The cache cleaner: half a second after it was made it empties the web cache, showing the
// purge's progress on its gauge meanwhile, then shows its face picture and "清理完成" and
// lets the player close it with OK. Closing it before that first tick ends it without
// cleaning; once the cleaning has begun it does not close until the cache is empty.
class TFormClearCache : public TDialogForm {
    Q_OBJECT
public:
    // skinData: the store the dialog's controls draw from (the main window's); cache: the
    // cache to empty.
    TFormClearCache(TbsSkinData* skinData, UrlCache& cache, QWidget* parent = nullptr);

    // What the client asks before it cleans, under the cleaner's own caption.
    static QString ConfirmationText();
    static QString ConfirmationCaption();

    TImage* ImageFace = nullptr;
    TbsSkinGauge* bsSkinGauge = nullptr;
    TbsSkinButton* bsSkinButtonOK = nullptr;
    TbsSkinLabel* bsSkinLabelTitle = nullptr;
    TTimer* TimerWork = nullptr;

    void FormShow(QObject* Sender);
    void TimerWorkTimer(QObject* Sender);

    // From the first tick until the cache is empty.
    bool Cleaning() const { return cleaning_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowProgress(int Left, int Total);
    void CleaningDone();

    UrlCache& cache_;
    bool started_ = false;   // the cleaning runs once in a dialog's life
    bool cleaning_ = false;
};
