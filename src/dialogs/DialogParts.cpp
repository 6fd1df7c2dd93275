#include "dialogs/DialogParts.h"

#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinui/CellHeightFont.h"

TbsSkinButton* DialogButton(QWidget* client, TbsSkinData* skinData, const char* name, const QString& caption,
                            int modalResult, QPoint place)
{
    auto* button = new TbsSkinButton(client);
    button->setObjectName(QLatin1String(name));
    button->SetSkinData(skinData);
    button->setGeometry(QRect(place, QSize(75, 25)));
    button->SetCaption(caption);
    button->SetModalResult(modalResult);
    return button;
}

TbsSkinTextLabel* DialogText(QWidget* client, TbsSkinData* skinData, const char* name)
{
    auto* label = new TbsSkinTextLabel(client);
    label->setObjectName(QLatin1String(name));
    label->SetAutoSize(false);
    label->SetDefaultFont(FontWithHeight(QStringLiteral("Tahoma"), -11));
    label->SetWordWrap(true);
    label->SetSkinData(skinData);
    return label;
}
