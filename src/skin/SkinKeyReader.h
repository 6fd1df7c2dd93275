#pragma once

#include "skin/SkinKeyVisitor.h"

class SkinDescription;

// Fills fields from one section of a description.
class SkinKeyReader : public SkinKeyVisitor {
public:
    SkinKeyReader(const SkinDescription& description, const QString& section);
    // The reader keeps the description by reference: a temporary would die under it.
    SkinKeyReader(SkinDescription&&, const QString&) = delete;

    void Integer(const char* key, int& field, int fallback) override;
    void Boolean(const char* key, bool& field) override;
    void Text(const char* key, QString& field, const QString& fallback) override;
    void Rect(const char* key, QRect& field) override;
    void Point(const char* key, QPoint& field) override;
    void FontStyle(const char* key, TbsFontStyles& field) override;
    void Alignment(const char* key, TbsSkinAlignment& field) override;
    void StretchType(const char* key, TbsStretchType& field) override;
    void MorphKind(const char* key, TbsMorphKind& field) override;
    void InactiveEffect(const char* key, TbsInactiveEffect& field) override;
    void Command(const char* key, TbsSkinCommand& field) override;

private:
    QString Word(const char* key, const char* fallback) const;

    const SkinDescription& description_;
    QString section_;
};
