#pragma once

#include <QString>
#include <QtGlobal>

// A resource type or name as the module stores it: a 16-bit number or a string. Strings
// compare without regard to case, as the platform's resource lookup does; a number only
// equals the same number.
class ResourceId {
public:
    ResourceId() = default;
    explicit ResourceId(quint16 number) : number_(number), numeric_(true) {}
    explicit ResourceId(const QString& name) : name_(name) {}

    // The platform's reading of a lookup text: "#" followed by decimal digits is a number,
    // any other text a string.
    static ResourceId fromText(const QString& text);

    bool isNumeric() const { return numeric_; }
    quint16 number() const { return number_; }
    const QString& name() const { return name_; }

    bool matches(const ResourceId& other) const;
    QString toText() const;

    // Directory order: strings first, sorted by their upper-case form, then numbers ascending.
    bool operator<(const ResourceId& other) const;

private:
    QString name_;
    quint16 number_ = 0;
    bool numeric_ = false;
};
