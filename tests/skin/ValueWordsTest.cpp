#include "skin/SkinDescription.h"
#include "skin/SkinKeyReader.h"
#include "skin/SkinValueWords.h"

#include <gtest/gtest.h>

TEST(SkinValueWords, WordsCompareExactlyWithFallbacks)
{
    EXPECT_EQ(SkinValueWords::StretchType("stfull"), TbsStretchType::Full);
    EXPECT_EQ(SkinValueWords::StretchType("stvert"), TbsStretchType::Vert);
    for (const char* other : {"sthorz", "STFULL", "", "stVert"})
        EXPECT_EQ(SkinValueWords::StretchType(other), TbsStretchType::Horz) << other;

    EXPECT_EQ(SkinValueWords::InactiveEffect("ieinvert"), TbsInactiveEffect::Invert);
    EXPECT_EQ(SkinValueWords::InactiveEffect("iedarkness"), TbsInactiveEffect::Darkness);
    EXPECT_EQ(SkinValueWords::InactiveEffect("IEDARKNESS"), TbsInactiveEffect::Grayscale);

    EXPECT_EQ(SkinValueWords::MorphKind("mkpush"), TbsMorphKind::Push);
    EXPECT_EQ(SkinValueWords::MorphKind("mkPush"), TbsMorphKind::Default);

    EXPECT_EQ(SkinValueWords::Alignment("taleftjustify"), TbsSkinAlignment::LeftJustify);
    EXPECT_EQ(SkinValueWords::Alignment("tacenter"), TbsSkinAlignment::Center);
    EXPECT_EQ(SkinValueWords::Alignment("TaCenter"), TbsSkinAlignment::RightJustify);

    EXPECT_EQ(SkinValueWords::Command("cmrollup"), TbsSkinCommand::RollUp);
    EXPECT_EQ(SkinValueWords::Command("cmMaximize"), TbsSkinCommand::MinimizeToTray);
    EXPECT_EQ(SkinValueWords::CommandWord(TbsSkinCommand::MinimizeToTray), "cmminimizetotray");

    EXPECT_EQ(SkinValueWords::FontStyle("[fsitalic;fsBold]fsstrikeout"),
              TbsFontStyles(TbsFontStyle::Italic) | TbsFontStyle::StrikeOut);
    EXPECT_EQ(SkinValueWords::FontStyleWord(TbsFontStyle::Bold | TbsFontStyle::Underline), "fsbold,fsunderline");
    EXPECT_EQ(SkinValueWords::FontStyle(SkinValueWords::FontStyleWord(TbsFontStyles(0xF))), TbsFontStyles(0xF));
}

TEST(SkinValueWords, MissingKeysTakeTheFormDefaults)
{
    const SkinDescription d(QStringList{"[s]", "t=", "e=nothing"});
    SkinKeyReader reader(d, "s");
    TbsStretchType stretch{};
    reader.StretchType("t", stretch);
    EXPECT_EQ(stretch, TbsStretchType::Horz);
    reader.StretchType("missing", stretch);
    EXPECT_EQ(stretch, TbsStretchType::Full);
    TbsInactiveEffect effect{};
    reader.InactiveEffect("e", effect);
    EXPECT_EQ(effect, TbsInactiveEffect::Grayscale);
    reader.InactiveEffect("missing", effect);
    EXPECT_EQ(effect, TbsInactiveEffect::Brightness);
    TbsSkinAlignment alignment{};
    reader.Alignment("missing", alignment);
    EXPECT_EQ(alignment, TbsSkinAlignment::Center);
    TbsSkinCommand command{};
    reader.Command("missing", command);
    EXPECT_EQ(command, TbsSkinCommand::Default);
}
