#pragma once

#include <QPoint>
#include <QString>

class QWidget;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinTextLabel;

// The parts the client's dialogs are made of.

// A skinned push button of the usual 75 x 25 pixels at place in client, drawn from the "button"
// object of skinData, closing a modal dialog with modalResult.
TbsSkinButton* DialogButton(QWidget* client, TbsSkinData* skinData, const char* name, const QString& caption,
                            int modalResult, QPoint place = QPoint());

// A dialog's text: a skinned text label of a fixed size that wraps words, in the skin's
// "stdlabel" font or 11-pixel Tahoma.
TbsSkinTextLabel* DialogText(QWidget* client, TbsSkinData* skinData, const char* name);
