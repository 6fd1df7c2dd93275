#include "skin/SkinTextCodec.h"

#include <gtest/gtest.h>

namespace {
// "皮肤 名称" in code page 936.
const QByteArray kGbkSkinName("\xC6\xA4\xB7\xF4 \xC3\xFB\xB3\xC6");
const QString kSkinName = QStringLiteral("皮肤 名称");
} // namespace

TEST(SkinTextCodec, ByteOrderMarksSelectTheEncoding)
{
    const QString text = QStringLiteral("[VERSION]\nskinname=") + kSkinName;
    const QStringList expected{QStringLiteral("[VERSION]"), QStringLiteral("skinname=") + kSkinName};

    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArray(QByteArray("\xEF\xBB\xBF") + text.toUtf8())), expected);

    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (QChar c : text) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    EXPECT_EQ(SkinTextCodec::DecodeLines(le), expected);
    EXPECT_EQ(SkinTextCodec::DecodeLines(be), expected);
    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArray(QByteArray("[VERSION]\r\nskinname=") + kGbkSkinName)), expected);
}

TEST(SkinTextCodec, LineEndsAndNul)
{
    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArray("a\r\nb\rc\nd\r\n")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArray("a\n\nb", 4)), QStringList({"a", "", "b"}));
    EXPECT_EQ(SkinTextCodec::DecodeLines(QByteArray("a\nb\0c\nd", 7)), QStringList({"a", "b"}));
    EXPECT_TRUE(SkinTextCodec::DecodeLines(QByteArray()).isEmpty());
}

TEST(SkinTextCodec, AnsiCodePageIsGbk)
{
    EXPECT_EQ(SkinTextCodec::DecodeAnsi(kGbkSkinName), kSkinName);
    QByteArray encoded;
    ASSERT_TRUE(SkinTextCodec::EncodeAnsi(kSkinName, encoded));
    EXPECT_EQ(encoded, kGbkSkinName);
    // A lead byte without its trail byte, and a byte that starts nothing, do not stop decoding.
    EXPECT_EQ(SkinTextCodec::DecodeAnsi(QByteArray("ab\xFF" "c")), QStringLiteral("ab\uFFFDc"));
    EXPECT_EQ(SkinTextCodec::DecodeAnsi(QByteArray("ab\xC6")), QStringLiteral("ab\uFFFD"));
}

TEST(SkinTextCodec, WriterUsesCodePageAndKeepsWhatItCannotHold)
{
    EXPECT_EQ(SkinTextCodec::EncodeLines({QStringLiteral("a=1"), kSkinName}),
              QByteArray("a=1\r\n") + kGbkSkinName + "\r\n");
    const QStringList emoji{QStringLiteral("name=\U0001F600")};
    const QByteArray written = SkinTextCodec::EncodeLines(emoji);
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(SkinTextCodec::DecodeLines(written), emoji);
}
