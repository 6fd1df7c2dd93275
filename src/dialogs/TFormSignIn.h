#pragma once

#include "dialogs/TDialogForm.h"

class TbsSkinButton;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinTextLabel;

// Who asks the player to sign in: a web server or a proxy on the way to one, by host, with the
// realm the server names.
struct SignInContent {
    QString host;
    QString realm;
    bool proxy = false;
};

// The sign-in box a server's or a proxy's demand for a user name and password opens, in the
// client's skin: who asks, a user field and a masked password field, "登录" (result 1) and
// "取消" (result 2). Nothing typed is kept beyond the box.
class TFormSignIn : public TDialogForm {
    Q_OBJECT
public:
    TFormSignIn(TbsSkinData* skinData, const SignInContent& content, QWidget* parent = nullptr);

    // What the box says: who asks, and the realm on a line of its own when there is one.
    static QString Text(const SignInContent& content);

    TbsSkinTextLabel* bsSkinTextLabelContent = nullptr;
    TbsSkinTextLabel* bsSkinTextLabelUser = nullptr;
    TbsSkinEdit* bsSkinEditUser = nullptr;
    TbsSkinTextLabel* bsSkinTextLabelPassword = nullptr;
    TbsSkinEdit* bsSkinEditPassword = nullptr;
    TbsSkinButton* bsSkinButtonOk = nullptr;
    TbsSkinButton* bsSkinButtonCancel = nullptr;

    QString User() const;
    QString Password() const;

private:
    // A field's name on the left and its edit beside it, at y.
    TbsSkinEdit* Field(TbsSkinData* skinData, TbsSkinTextLabel*& label, const char* labelName, const QString& caption,
                       const char* editName, int y);
};
