#pragma once

#include "dialogs/TDialogForm.h"

class TbsSkinButton;
class TbsSkinCheckBox;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinTextLabel;

// What a page dialog asks: a caption, the text as the page wrote it, the buttons' captions
// (no Cancel: OK alone, which Escape answers too), optionally a line to type with its first
// value, and optionally the check box that stops a page's further dialogs.
struct PageDialogContent {
    QString caption;
    QString text;
    QString okCaption = QStringLiteral("确定");
    QString cancelCaption;
    bool edit = false;
    QString editText;
    bool offerBlock = false;
};

// The box of a question a web page asks the player (its script's alert, confirm and prompt,
// leaving the page, a permission), in the client's skin. The text is shown as plain text,
// wrapped, and cut with "…" where it would grow the box taller than MaxTextHeight; the box
// grows with it. Its result is 1 for OK; 2 (Cancel) or 0 (the frame closed it) otherwise.
class TFormPageDialog : public TDialogForm {
    Q_OBJECT
public:
    static constexpr int TextWidth = 312;
    static constexpr int MaxTextHeight = 200;
    static inline const QString BlockCaption = QStringLiteral("阻止此页面显示更多对话框");

    TFormPageDialog(TbsSkinData* skinData, const PageDialogContent& content, QWidget* parent = nullptr);

    TbsSkinTextLabel* bsSkinTextLabelContent = nullptr;
    TbsSkinEdit* bsSkinEditValue = nullptr;        // only for a line to type
    TbsSkinCheckBox* bsSkinCheckBoxBlock = nullptr;  // only where further dialogs may be stopped
    TbsSkinButton* bsSkinButtonOk = nullptr;
    TbsSkinButton* bsSkinButtonCancel = nullptr;  // only with a Cancel caption

    // The typed line; empty without one.
    QString Value() const;
    // Whether the player ticked the check box.
    bool BlockChecked() const;

private:
    void ShowText(const QString& text);
    // Places the controls under the text and sizes the box to them.
    void Arrange();
};
