#include "common/ContactRecord.h"

#include <gtest/gtest.h>

TEST(ContactRecord, BinaryLayouts) {
    const QByteArray activity = QByteArray::fromHex("0100 0000 dc05 feff 00004040 0a00");
    ActivityRecord a;
    a.Day = 1, a.X = 1500, a.Y = -2, a.Number = 3.0f, a.Kind = 10;
    EXPECT_EQ(encodeActivity(a), activity);
    EXPECT_EQ(decodeActivity(activity).Y, -2);
    EXPECT_EQ(decodeActivity(activity).Number, 3.0f);

    // STMOSSA 314, ..., STDIFVEVLATO2 -3, ..., STDISTANZA 150, ..., STB1 9, STB2 1.
    const QByteArray contact = QByteArray::fromHex("3a01 0100 0100 0100 0000 0500 0700 0300 fdff 0600"
                                                   "0200 0000 0000 0800 0200 0400 0600 1400 0c00 0000"
                                                   "0100 0200 1100 9600 0000 0000 0900 0100 0000 0000");
    ASSERT_EQ(contact.size(), 60);
    const ContactRecord c = decodeContact(contact);
    EXPECT_EQ(c.STMOSSA, 314);
    EXPECT_EQ(c.STNSTACKLATO2, 7);
    EXPECT_EQ(c.STDIFVEVLATO2, -3);
    EXPECT_EQ(c.STROTTALATO1, 8);
    EXPECT_EQ(c.STNODILATO1, 20);
    EXPECT_EQ(c.STNUMATTIVITA, 17);
    EXPECT_EQ(c.STDISTANZA, 150);
    EXPECT_EQ(c.STB1, 9);
    EXPECT_EQ(c.STB2, 1);
    EXPECT_EQ(encodeContact(c), contact);
    EXPECT_EQ(decodeContact(contact.left(4)).STLATO2, 0); // a short record reads zeros
}
