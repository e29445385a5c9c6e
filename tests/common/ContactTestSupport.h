// Contact records for the tests that write them: a record of the contact file, and a record built
// from its 30 fields in file order.
#pragma once

#include "common/ContactFiles.h"
#include "common/Globals.h"

#include <gtest/gtest.h>

inline QByteArray contactBytes(int record) {
    openContactFile(20);
    const ContactRecord c = readContact(20, record);
    G().Files.close(20);
    return encodeContact(c);
}

// STMOSSA; LATO, VEDE, NSTACK, DIFVEV, DADO, ATTACCO, ROTTA, NUMNAVI, NODI, INC (Allies, Axis);
// CONTATTI, NUMATTIVITA, DISTANZA, A1..C2.
inline QByteArray contactFields(std::initializer_list<int> values) {
    EXPECT_EQ(values.size(), 30u);
    ContactRecord c;
    int i = 0;
    for (int v : values) c[i++] = v;
    return encodeContact(c);
}
