#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

// The base of the client's two small dialogs: a fixed client size, the "Tahoma" font of
// 11-pixel characters in the window-text colour, and a place in the middle of the screen.
// Like every form of the client, it closes by its buttons and its frame, not by Escape as such:
// Escape only clicks a Cancel button when the dialog has one.
class TDialogForm : public QDialog {
    Q_OBJECT
public:
    TDialogForm(const QString& name, const QString& caption, QSize clientSize, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
