#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QDialog;

// The dialogs of a window that wait for the player's answer. Each is modal to its parent
// window only, so the rest of the client (the tray icon and its menu, other windows) goes on
// answering. When the client ends they are answered as their Cancel would answer and closed
// first; from then on every dialog is answered so at once, without showing.
class WaitingDialogs : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows dialog modal to its parent and returns its result once it is closed; 0 at once
    // while the client ends.
    int Exec(QDialog& dialog);
    // Shows dialog modal to its parent and returns; answered gets its result once it is
    // closed (0 at once while the client ends).
    void Open(QDialog& dialog, std::function<void(int)> answered);

    bool Any() const { return !waiting_.isEmpty(); }
    // The newest waiting dialog; null when none waits.
    QDialog* Newest() const;
    // The newest waiting dialog comes to the front with the keyboard.
    void BringForward();
    // Answers every waiting dialog as its Cancel would, closes it, and answers every later one
    // at once: the client is ending.
    void EndAll();
    bool Ending() const { return ending_; }

Q_SIGNALS:
    // A dialog began or ended waiting.
    void Changed();

private:
    void Add(QDialog& dialog);
    void Remove(QDialog& dialog);

    QList<QPointer<QDialog>> waiting_;
    bool ending_ = false;
};
