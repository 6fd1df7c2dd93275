#include "skin/SkinValueWords.h"

#include <QStringList>
#include <array>

namespace {

struct FontStyleWordEntry {
    TbsFontStyle style;
    const char16_t* word;
};

constexpr std::array<FontStyleWordEntry, 4> kFontStyles{{
    {TbsFontStyle::Bold, u"fsbold"},
    {TbsFontStyle::Italic, u"fsitalic"},
    {TbsFontStyle::Underline, u"fsunderline"},
    {TbsFontStyle::StrikeOut, u"fsstrikeout"},
}};

constexpr std::array<const char16_t*, 3> kStretchTypes{u"stfull", u"sthorz", u"stvert"};
constexpr std::array<const char16_t*, 7> kMorphKinds{
    u"mkdefault", u"mkgradient", u"mkleftgradient", u"mkrightgradient", u"mkleftslide",
    u"mkrightslide", u"mkpush"};
constexpr std::array<const char16_t*, 6> kInactiveEffects{
    u"iebrightness", u"iedarkness", u"iegrayscale", u"ienoise", u"iesplitblur", u"ieinvert"};
constexpr std::array<const char16_t*, 7> kCommands{
    u"cmclose", u"cmmaximize", u"cmminimize", u"cmsysmenu", u"cmdefault", u"cmrollup",
    u"cmminimizetotray"};

// Position of text among words, or fallback when it is none of them.
template <std::size_t N>
int WordIndex(const std::array<const char16_t*, N>& words, const QString& text, int fallback)
{
    for (std::size_t i = 0; i < N; ++i)
        if (text == QStringView(words[i]))
            return int(i);
    return fallback;
}

} // namespace

TbsFontStyles SkinValueWords::FontStyle(const QString& text)
{
    TbsFontStyles styles;
    for (const FontStyleWordEntry& entry : kFontStyles)
        if (text.contains(QStringView(entry.word)))
            styles |= entry.style;
    return styles;
}

QString SkinValueWords::FontStyleWord(TbsFontStyles style)
{
    QStringList words;
    for (const FontStyleWordEntry& entry : kFontStyles)
        if (style.testFlag(entry.style))
            words.append(QString::fromUtf16(entry.word));
    return words.join(u',');
}

TbsSkinAlignment SkinValueWords::Alignment(const QString& text)
{
    if (text == u"taleftjustify")
        return TbsSkinAlignment::LeftJustify;
    if (text == u"tacenter")
        return TbsSkinAlignment::Center;
    return TbsSkinAlignment::RightJustify;
}

QString SkinValueWords::AlignmentWord(TbsSkinAlignment alignment)
{
    switch (alignment) {
    case TbsSkinAlignment::LeftJustify: return QStringLiteral("taleftjustify");
    case TbsSkinAlignment::Center: return QStringLiteral("tacenter");
    default: return QStringLiteral("tarightjustify");
    }
}

TbsStretchType SkinValueWords::StretchType(const QString& text)
{
    return TbsStretchType(WordIndex(kStretchTypes, text, int(TbsStretchType::Horz)));
}

QString SkinValueWords::StretchTypeWord(TbsStretchType type)
{
    return QString::fromUtf16(kStretchTypes[std::size_t(type)]);
}

TbsMorphKind SkinValueWords::MorphKind(const QString& text)
{
    return TbsMorphKind(WordIndex(kMorphKinds, text, int(TbsMorphKind::Default)));
}

QString SkinValueWords::MorphKindWord(TbsMorphKind kind)
{
    return QString::fromUtf16(kMorphKinds[std::size_t(kind)]);
}

TbsInactiveEffect SkinValueWords::InactiveEffect(const QString& text)
{
    return TbsInactiveEffect(WordIndex(kInactiveEffects, text, int(TbsInactiveEffect::Grayscale)));
}

QString SkinValueWords::InactiveEffectWord(TbsInactiveEffect effect)
{
    return QString::fromUtf16(kInactiveEffects[std::size_t(effect)]);
}

TbsSkinCommand SkinValueWords::Command(const QString& text)
{
    // "cmminimizetotray" is only the written form of every unknown word.
    const int index = WordIndex(kCommands, text, int(TbsSkinCommand::MinimizeToTray));
    return TbsSkinCommand(index);
}

QString SkinValueWords::CommandWord(TbsSkinCommand command)
{
    return QString::fromUtf16(kCommands[std::size_t(command)]);
}
