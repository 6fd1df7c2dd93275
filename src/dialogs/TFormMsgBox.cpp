#include "dialogs/TFormMsgBox.h"

#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinui/CellHeightFont.h"

namespace {
TbsSkinButton* DialogButton(QWidget* client, TbsSkinData* skinData, const char* name, const QString& caption,
                            QPoint place, int modalResult)
{
    auto* button = new TbsSkinButton(client);
    button->setObjectName(QLatin1String(name));
    button->SetSkinData(skinData);
    button->setGeometry(QRect(place, QSize(75, 25)));
    button->SetCaption(caption);
    button->SetModalResult(modalResult);
    return button;
}
}  // namespace

TFormMsgBox::TFormMsgBox(TbsSkinData* skinData, QWidget* parent)
    : TDialogForm(QStringLiteral("FormMsgBox"), QStringLiteral("确认提示对话框"), {324, 152}, TFormBorderStyle::bsDialog,
                  biSystemMenu, skinData, parent)
{
    bsSkinTextLabelContent = new TbsSkinTextLabel(Client());
    bsSkinTextLabelContent->setObjectName(QStringLiteral("bsSkinTextLabelContent"));
    bsSkinTextLabelContent->SetAutoSize(false);
    bsSkinTextLabelContent->setGeometry(24, 27, 273, 69);
    bsSkinTextLabelContent->SetDefaultFont(FontWithHeight(QStringLiteral("Tahoma"), -11));
    bsSkinTextLabelContent->SetWordWrap(true);
    bsSkinTextLabelContent->SetSkinData(skinData);

    bsSkinButtonOk = DialogButton(Client(), skinData, "bsSkinButtonOk", QStringLiteral("确定"), {160, 111}, 1);
    bsSkinButtonOk->SetDefault(true);
    bsSkinButtonCancel = DialogButton(Client(), skinData, "bsSkinButtonCancel", QStringLiteral("取消"), {241, 111}, 2);
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
