#include "skin/SkinKeyReader.h"

#include "skin/SkinDescription.h"
#include "skin/SkinValueWords.h"

SkinKeyReader::SkinKeyReader(const SkinDescription& description, const QString& section)
    : description_(description), section_(section)
{
}

QString SkinKeyReader::Word(const char* key, const char* fallback) const
{
    return description_.ReadString(section_, QLatin1String(key), QLatin1String(fallback));
}

void SkinKeyReader::Integer(const char* key, int& field, int fallback)
{
    field = description_.ReadInteger(section_, QLatin1String(key), fallback);
}

void SkinKeyReader::Boolean(const char* key, bool& field)
{
    field = description_.ReadBool(section_, QLatin1String(key));
}

void SkinKeyReader::Text(const char* key, QString& field, const QString& fallback)
{
    field = description_.ReadString(section_, QLatin1String(key), fallback);
}

void SkinKeyReader::Rect(const char* key, QRect& field)
{
    field = description_.ReadRect(section_, QLatin1String(key));
}

void SkinKeyReader::Point(const char* key, QPoint& field)
{
    field = description_.ReadPoint(section_, QLatin1String(key));
}

void SkinKeyReader::FontStyle(const char* key, TbsFontStyles& field)
{
    field = SkinValueWords::FontStyle(Word(key, ""));
}

void SkinKeyReader::Alignment(const char* key, TbsSkinAlignment& field)
{
    field = SkinValueWords::Alignment(Word(key, "tacenter"));
}

void SkinKeyReader::StretchType(const char* key, TbsStretchType& field)
{
    field = SkinValueWords::StretchType(Word(key, "stfull"));
}

void SkinKeyReader::MorphKind(const char* key, TbsMorphKind& field)
{
    field = SkinValueWords::MorphKind(Word(key, "mkdefault"));
}

void SkinKeyReader::InactiveEffect(const char* key, TbsInactiveEffect& field)
{
    field = SkinValueWords::InactiveEffect(Word(key, "iebrightness"));
}

void SkinKeyReader::Command(const char* key, TbsSkinCommand& field)
{
    field = SkinValueWords::Command(Word(key, "cmdefault"));
}
