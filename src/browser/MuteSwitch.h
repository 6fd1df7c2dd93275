#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWebEnginePage;

// Mutes the sound of every page it watches, or none, as the player chose; the choice is kept
// in a file and read back at the next start.
class MuteSwitch : public QObject {
    Q_OBJECT
public:
    // File: where the choice is kept; an unreadable or missing file means sound on.
    MuteSwitch(const QString& file, QObject* parent);

    bool Muted() const { return muted_; }
    // Applies to every watched page and is written to the file; raises when it cannot be
    // written (the pages follow the choice all the same).
    void SetMuted(bool muted);
    // Follows the switch from now on, starting with its present state.
    void Watch(QWebEnginePage* page);

private:
    QString file_;
    bool muted_ = false;
    QList<QPointer<QWebEnginePage>> pages_;
};
