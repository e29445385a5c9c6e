#include "common/ContactRecord.h"

#include <gtest/gtest.h>

TEST(ContactRecord, ActivityRecordIsFourteenLittleEndianBytes) {
    ActivityRecord r;
    r.Day = 1;
    r.Hour = 0;
    r.X = 1500;
    r.Y = -2;
    r.Number = 3.0f;
    r.Kind = 10;
    const QByteArray expected = QByteArray::fromHex("0100"
                                                    "0000"
                                                    "dc05"
                                                    "feff"
                                                    "00004040"
                                                    "0a00");
    EXPECT_EQ(encodeActivity(r), expected);

    const ActivityRecord back = decodeActivity(expected);
    EXPECT_EQ(back.Day, 1);
    EXPECT_EQ(back.X, 1500);
    EXPECT_EQ(back.Y, -2);
    EXPECT_EQ(back.Number, 3.0f);
    EXPECT_EQ(back.Kind, 10);
}

TEST(ContactRecord, ContactRecordIsThirtyLittleEndianWholeNumbers) {
    const QByteArray bytes = QByteArray::fromHex("3a01"
                                                 "0100"
                                                 "0100"
                                                 "0100"
                                                 "0000"
                                                 "0500"
                                                 "0700"
                                                 "0300"
                                                 "fdff"
                                                 "0600"
                                                 "0200"
                                                 "0000"
                                                 "0000"
                                                 "0800"
                                                 "0200"
                                                 "0400"
                                                 "0600"
                                                 "1400"
                                                 "0c00"
                                                 "0000"
                                                 "0100"
                                                 "0200"
                                                 "1100"
                                                 "9600"
                                                 "0000"
                                                 "0000"
                                                 "0900"
                                                 "0100"
                                                 "0000"
                                                 "0000");
    ASSERT_EQ(bytes.size(), 60);
    const ContactRecord c = decodeContact(bytes);
    EXPECT_EQ(c.STMOSSA, 314);
    EXPECT_EQ(c.STVEDELATO1, 1);
    EXPECT_EQ(c.STNSTACKLATO1, 5);
    EXPECT_EQ(c.STNSTACKLATO2, 7);
    EXPECT_EQ(c.STDIFVEVLATO2, -3);
    EXPECT_EQ(c.STROTTALATO1, 8);
    EXPECT_EQ(c.STNODILATO1, 20);
    EXPECT_EQ(c.STNUMATTIVITA, 17);
    EXPECT_EQ(c.STDISTANZA, 150);
    EXPECT_EQ(c.STB1, 9);
    EXPECT_EQ(c.STB2, 1);
    EXPECT_EQ(c.STC2, 0);
    EXPECT_EQ(c[7], 3); // fields by position in file order
    EXPECT_EQ(encodeContact(c), bytes);
    EXPECT_EQ(decodeContact(bytes.left(4)).STLATO1, 1); // a short record reads zeros past its end
    EXPECT_EQ(decodeContact(bytes.left(4)).STLATO2, 0);
}
