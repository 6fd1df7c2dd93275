#pragma once

#include "skin/SkinValueTypes.h"

#include <QPoint>
#include <QRect>
#include <QString>

class SkinDescription;
class SkinKeyVisitor;

// A named section of the skin description read into fields named after its keys. Each class
// lists its keys once, in VisitKeys (parent's keys first); reading and writing both walk that
// list, so they cannot disagree about a key's form or default. The list is also the only place
// a default is written: fields declare none, and a new object takes its defaults from the list
// (ResetToDefaults), as SkinKindTable and the fixed records' constructors do.
class TbsDataSkinEntry {
public:
    explicit TbsDataSkinEntry(const QString& objectName);
    virtual ~TbsDataSkinEntry();
    TbsDataSkinEntry(const TbsDataSkinEntry&) = delete;
    TbsDataSkinEntry& operator=(const TbsDataSkinEntry&) = delete;

    // Reads the section named ObjectName; missing keys take their defaults.
    virtual void ReadFromDescription(const SkinDescription& description);
    // Every key back to its default: what reading an empty section gives.
    virtual void ResetToDefaults();
    // Erases the section named ObjectName, then writes every key in its value form.
    virtual void WriteToDescription(SkinDescription& description) const;
    // The word of the object lists that creates this class; empty when none does.
    virtual QString KindWord() const;

    // Walks every key of the class in reading order, the parent's keys first.
    virtual void VisitKeys(SkinKeyVisitor& v) = 0;

    QString ObjectName;

protected:
    // Rules a class applies once all its keys are read.
    virtual void AfterRead();
};
