#include "dialogs/TFormSignIn.h"

#include "dialogs/DialogParts.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinEdit.h"
#include "skincontrols/TbsSkinTextLabel.h"

namespace {
constexpr int ClientWidth = 340;
constexpr int Margin = 24;
constexpr int LabelWidth = 64;
constexpr int TextHeight = 48;
}  // namespace

TFormSignIn::TFormSignIn(TbsSkinData* skinData, const SignInContent& content, QWidget* parent)
    : TDialogForm(QStringLiteral("FormSignIn"), QStringLiteral("需要登录"), {ClientWidth, 196}, TFormBorderStyle::bsDialog,
                  biSystemMenu, skinData, parent)
{
    bsSkinTextLabelContent = DialogText(Client(), skinData, "bsSkinTextLabelContent");
    bsSkinTextLabelContent->setGeometry(Margin, 18, ClientWidth - 2 * Margin, TextHeight);
    // Who asks and the realm are the server's words: plain text, "&" included.
    bsSkinTextLabelContent->SetLines({Text(content).replace(QLatin1Char('&'), QStringLiteral("&&"))});

    bsSkinEditUser = Field(skinData, bsSkinTextLabelUser, "bsSkinTextLabelUser", QStringLiteral("用户名："),
                           "bsSkinEditUser", 74);
    bsSkinEditPassword = Field(skinData, bsSkinTextLabelPassword, "bsSkinTextLabelPassword",
                               QStringLiteral("密码："), "bsSkinEditPassword", 108);
    bsSkinEditPassword->SetPasswordMode(true);

    bsSkinButtonOk = DialogButton(Client(), skinData, "bsSkinButtonOk", QStringLiteral("登录"), 1,
                                  {ClientWidth - Margin - 156, 155});
    bsSkinButtonOk->SetDefault(true);
    bsSkinButtonCancel = DialogButton(Client(), skinData, "bsSkinButtonCancel", QStringLiteral("取消"), 2,
                                      {ClientWidth - Margin - 75, 155});
    bsSkinButtonCancel->SetCancel(true);
    setTabOrder(bsSkinEditUser, bsSkinEditPassword);
    setTabOrder(bsSkinEditPassword, bsSkinButtonOk);
    setTabOrder(bsSkinButtonOk, bsSkinButtonCancel);
    bsSkinEditUser->setFocus();
}

QString TFormSignIn::Text(const SignInContent& content)
{
    QString text = content.proxy ? QStringLiteral("代理服务器 %1 要求输入用户名和密码。").arg(content.host)
                                 : QStringLiteral("%1 要求输入用户名和密码。").arg(content.host);
    if (!content.realm.isEmpty())
        text += QStringLiteral("\n服务器提示：") + content.realm;
    return text;
}

TbsSkinEdit* TFormSignIn::Field(TbsSkinData* skinData, TbsSkinTextLabel*& label, const char* labelName,
                                const QString& caption, const char* editName, int y)
{
    label = DialogText(Client(), skinData, labelName);
    label->setGeometry(Margin, y + 4, LabelWidth, 18);
    label->SetLines({caption});
    auto* edit = new TbsSkinEdit(Client());
    edit->setObjectName(QLatin1String(editName));
    edit->SetSkinData(skinData);
    edit->setGeometry(Margin + LabelWidth, y, ClientWidth - 2 * Margin - LabelWidth, 24);
    return edit;
}

QString TFormSignIn::User() const
{
    return bsSkinEditUser->Text();
}

QString TFormSignIn::Password() const
{
    return bsSkinEditPassword->Text();
}
