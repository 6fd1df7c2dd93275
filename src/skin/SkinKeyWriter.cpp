#include "skin/SkinKeyWriter.h"

#include "skin/SkinDescription.h"
#include "skin/SkinValueWords.h"

SkinKeyWriter::SkinKeyWriter(SkinDescription& description, const QString& section)
    : description_(description), section_(section)
{
}

void SkinKeyWriter::Word(const char* key, const QString& word)
{
    description_.WriteString(section_, QLatin1String(key), word);
}

void SkinKeyWriter::Integer(const char* key, int& field, int /*fallback*/)
{
    description_.WriteInteger(section_, QLatin1String(key), field);
}

void SkinKeyWriter::Boolean(const char* key, bool& field)
{
    description_.WriteBool(section_, QLatin1String(key), field);
}

void SkinKeyWriter::Text(const char* key, QString& field, const QString& /*fallback*/)
{
    Word(key, field);
}

void SkinKeyWriter::Rect(const char* key, QRect& field)
{
    description_.WriteRect(section_, QLatin1String(key), field);
}

void SkinKeyWriter::Point(const char* key, QPoint& field)
{
    description_.WritePoint(section_, QLatin1String(key), field);
}

void SkinKeyWriter::FontStyle(const char* key, TbsFontStyles& field)
{
    Word(key, SkinValueWords::FontStyleWord(field));
}

void SkinKeyWriter::Alignment(const char* key, TbsSkinAlignment& field)
{
    Word(key, SkinValueWords::AlignmentWord(field));
}

void SkinKeyWriter::StretchType(const char* key, TbsStretchType& field)
{
    Word(key, SkinValueWords::StretchTypeWord(field));
}

void SkinKeyWriter::MorphKind(const char* key, TbsMorphKind& field)
{
    Word(key, SkinValueWords::MorphKindWord(field));
}

void SkinKeyWriter::InactiveEffect(const char* key, TbsInactiveEffect& field)
{
    Word(key, SkinValueWords::InactiveEffectWord(field));
}

void SkinKeyWriter::Command(const char* key, TbsSkinCommand& field)
{
    Word(key, SkinValueWords::CommandWord(field));
}
