#pragma once

#include <QEvent>

class TbsSkinData;

// A skin notification delivered synchronously to a form: the message number is the event type,
// with the sending store as first and 1000 as second parameter.
class TbsSkinMessageEvent : public QEvent {
public:
    enum Message {
        SkinChangeBegin = 1225,
        SkinChanged = 1226,
        SkinChangeEnd = 1227,
        ResourceStringsChanged = 1274,
        SkinnableFormChanged = 1294,
        LayeredBordersChanged = 1427,
    };
    static constexpr int DefaultParam = 1000;

    TbsSkinMessageEvent(int message, TbsSkinData* store, int param = DefaultParam);

    int Message() const { return int(type()); }
    TbsSkinData* Store() const { return store_; }
    int Param() const { return param_; }

    static bool IsSkinMessage(const QEvent* event);

private:
    TbsSkinData* store_;
    int param_;
};
