#include "dialogs/TFormPageDialog.h"

#include "dialogs/DialogParts.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinCheckBox.h"
#include "skincontrols/TbsSkinEdit.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinui/SkinText.h"

namespace {
constexpr int ClientWidth = 360;
constexpr int Margin = 24;
constexpr int Top = 20;
constexpr int Gap = 12;
constexpr int LineHeight = 24;
// Far more than the box can show: what a page sends beyond is not even measured.
constexpr qsizetype LongestText = 4096;

// The text as the label draws it without reading accelerators: a page's "&" is a character.
QString Literal(const QString& text)
{
    QString literal = text;
    return literal.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

TFormPageDialog::TFormPageDialog(TbsSkinData* skinData, const PageDialogContent& content, QWidget* parent)
    : TDialogForm(QStringLiteral("FormPageDialog"), content.caption, {ClientWidth, 152}, TFormBorderStyle::bsDialog,
                  biSystemMenu, skinData, parent)
{
    bsSkinTextLabelContent = DialogText(Client(), skinData, "bsSkinTextLabelContent");
    bsSkinTextLabelContent->setGeometry(Margin, Top, TextWidth, MaxTextHeight);
    ShowText(content.text);

    if (content.edit) {
        bsSkinEditValue = new TbsSkinEdit(Client());
        bsSkinEditValue->setObjectName(QStringLiteral("bsSkinEditValue"));
        bsSkinEditValue->SetSkinData(skinData);
        bsSkinEditValue->SetText(content.editText);
        bsSkinEditValue->SelectAll();
    }
    if (content.offerBlock) {
        bsSkinCheckBoxBlock = new TbsSkinCheckBox(Client());
        bsSkinCheckBoxBlock->setObjectName(QStringLiteral("bsSkinCheckBoxBlock"));
        bsSkinCheckBoxBlock->SetSkinData(skinData);
        bsSkinCheckBoxBlock->SetCaption(BlockCaption);
    }
    bsSkinButtonOk = DialogButton(Client(), skinData, "bsSkinButtonOk", content.okCaption, 1);
    bsSkinButtonOk->SetDefault(true);
    if (content.cancelCaption.isEmpty()) {
        bsSkinButtonOk->SetCancel(true);  // nothing else to answer: Escape says OK
    } else {
        bsSkinButtonCancel = DialogButton(Client(), skinData, "bsSkinButtonCancel", content.cancelCaption, 2);
        bsSkinButtonCancel->SetCancel(true);
    }
    Arrange();
    if (bsSkinEditValue)
        bsSkinEditValue->setFocus();
}

void TFormPageDialog::ShowText(const QString& whole)
{
    const QString text = whole.left(LongestText);
    TbsSkinTextLabel& label = *bsSkinTextLabelContent;
    const auto height = [&](qsizetype characters) {
        label.SetLines({Literal(characters < text.size() ? text.left(characters) + u'…' : text)});
        return label.TextSize().height();
    };
    if (text.size() == whole.size() && height(text.size()) <= MaxTextHeight)
        return;
    height(LongestFittingPrefix(text.size() - 1, [&](qsizetype characters) { return height(characters) <= MaxTextHeight; }));
}

void TFormPageDialog::Arrange()
{
    const int textHeight = qMax(bsSkinTextLabelContent->TextSize().height(), 16);
    bsSkinTextLabelContent->setGeometry(Margin, Top, TextWidth, textHeight);
    int y = Top + textHeight + Gap;
    if (bsSkinEditValue) {
        bsSkinEditValue->setGeometry(Margin, y, TextWidth, LineHeight);
        y += LineHeight + Gap;
    }
    if (bsSkinCheckBoxBlock) {
        bsSkinCheckBoxBlock->setGeometry(Margin, y, TextWidth, 18);
        y += 18 + Gap;
    }
    y += 4;
    const int right = ClientWidth - Margin;
    const QSize button = bsSkinButtonOk->size();
    if (bsSkinButtonCancel) {
        bsSkinButtonCancel->move(right - button.width(), y);
        bsSkinButtonOk->move(right - 2 * button.width() - 6, y);
        setTabOrder(bsSkinButtonOk, bsSkinButtonCancel);
    } else {
        bsSkinButtonOk->move(right - button.width(), y);
    }
    SetClientHeight(y + button.height() + 16);
}

QString TFormPageDialog::Value() const
{
    return bsSkinEditValue ? bsSkinEditValue->Text() : QString();
}

bool TFormPageDialog::BlockChecked() const
{
    return bsSkinCheckBoxBlock && bsSkinCheckBoxBlock->Checked();
}
