#include "dialogs/TFormMsgBox.h"

#include "dialogs/DialogParts.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinTextLabel.h"

TFormMsgBox::TFormMsgBox(TbsSkinData* skinData, QWidget* parent)
    : TDialogForm(QStringLiteral("FormMsgBox"), QStringLiteral("确认提示对话框"), {324, 152}, TFormBorderStyle::bsDialog,
                  biSystemMenu, skinData, parent)
{
    bsSkinTextLabelContent = DialogText(Client(), skinData, "bsSkinTextLabelContent");
    bsSkinTextLabelContent->setGeometry(24, 27, 273, 69);

    bsSkinButtonOk = DialogButton(Client(), skinData, "bsSkinButtonOk", QStringLiteral("确定"), 1, {160, 111});
    bsSkinButtonOk->SetDefault(true);
    bsSkinButtonCancel = DialogButton(Client(), skinData, "bsSkinButtonCancel", QStringLiteral("取消"), 2, {241, 111});
    bsSkinButtonCancel->SetCancel(true);
    setTabOrder(bsSkinButtonOk, bsSkinButtonCancel);
}

void SetupMsgBox(TFormMsgBox* Box, const QString& Text, const QString& Caption, int Mode)
{
    Box->setWindowTitle(Caption);
    Box->bsSkinTextLabelContent->SetLines({Text});
    if (Mode == 0) {
        Box->bsSkinButtonOk->move(Box->bsSkinButtonCancel->x(), Box->bsSkinButtonOk->y());
        Box->bsSkinButtonCancel->hide();
    }
}
