#include "binary/ByteCursor.h"
#include "binary/TruncatedDataError.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr qint64 Huge = std::numeric_limits<qint64>::max();

} // namespace

TEST(ByteCursor, RangeChecksCannotOverflow)
{
    EXPECT_TRUE(ByteCursor::contains(10, 4, 6));
    EXPECT_TRUE(ByteCursor::contains(10, 10, 0));
    EXPECT_FALSE(ByteCursor::contains(10, 4, 7));
    EXPECT_FALSE(ByteCursor::contains(10, 11, 0));
    EXPECT_FALSE(ByteCursor::contains(10, 1, Huge));
    EXPECT_FALSE(ByteCursor::contains(10, Huge, 1));
    EXPECT_FALSE(ByteCursor::contains(10, -1, 2));
    EXPECT_FALSE(ByteCursor::contains(10, 2, -1));
}

TEST(ByteCursor, ReadsLittleEndianFieldsInOrder)
{
    const QByteArray data = QByteArray::fromHex("01" "0302" "07060504" "0f0e0d0c0b0a0908" "feffffff" "aabb");
    ByteCursor cursor(data);
    EXPECT_EQ(cursor.u8(), 0x01);
    EXPECT_EQ(cursor.u16(), 0x0203);
    EXPECT_EQ(cursor.u32(), 0x04050607u);
    EXPECT_EQ(cursor.u64(), 0x08090A0B0C0D0E0Full);
    EXPECT_EQ(cursor.i32(), -2);
    EXPECT_EQ(cursor.position(), 19);
    EXPECT_EQ(cursor.remaining(), 2);
    EXPECT_EQ(cursor.rest(), QByteArray::fromHex("aabb"));
    EXPECT_EQ(cursor.bytes(2), QByteArray::fromHex("aabb"));
    EXPECT_EQ(cursor.remaining(), 0);
    EXPECT_TRUE(cursor.rest().isEmpty());
    EXPECT_EQ(ByteCursor(data, 3).u32(), 0x04050607u);
}

TEST(ByteCursor, ShortReadsAndBadSeeksRaiseAndKeepThePosition)
{
    const QByteArray data("abc", 3);
    ByteCursor cursor(data);
    cursor.skip(2);
    EXPECT_THROW(cursor.u16(), TruncatedDataError);
    EXPECT_THROW(cursor.bytes(-1), TruncatedDataError);
    EXPECT_THROW(cursor.skip(Huge), TruncatedDataError);
    EXPECT_THROW(cursor.seek(4), TruncatedDataError);
    EXPECT_THROW(cursor.seek(-1), TruncatedDataError);
    EXPECT_EQ(cursor.position(), 2);
    EXPECT_EQ(cursor.u8(), 'c');
    EXPECT_THROW(cursor.u8(), TruncatedDataError);
    EXPECT_THROW(ByteCursor(data, 4), TruncatedDataError);
    EXPECT_THROW(ByteCursor(QByteArrayView()).u8(), TruncatedDataError);
    try {
        ByteCursor(data).u32();
        ADD_FAILURE() << "a short read must raise";
    } catch (const TruncatedDataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Data ends before 4 bytes at offset 0 (3 bytes)"));
    }
}
