#pragma once

#include "dialogs/TDialogForm.h"

class TbsSkinButton;
class TbsSkinData;
class TbsSkinTextLabel;

// The skinned confirmation dialog: a caption, a text of one or more lines, and "确定" (OK,
// modal result 1, Enter) with "取消" (Cancel, modal result 2, Escape), or "确定" alone.
class TFormMsgBox : public TDialogForm {
    Q_OBJECT
public:
    // skinData: the store the dialog's controls draw from (the main window's).
    explicit TFormMsgBox(TbsSkinData* skinData, QWidget* parent = nullptr);

    TbsSkinTextLabel* bsSkinTextLabelContent = nullptr;
    TbsSkinButton* bsSkinButtonOk = nullptr;
    TbsSkinButton* bsSkinButtonCancel = nullptr;
};

// Fills a created dialog: its caption, Text as the label's one entry (line breaks in it stay,
// and the label wraps words within its width), and with Mode 0 only OK, standing where Cancel
// would stand; any other mode keeps both buttons.
void SetupMsgBox(TFormMsgBox* Box, const QString& Text, const QString& Caption, int Mode);
