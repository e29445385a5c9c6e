// The two binary records of the hour, little-endian on disk: the activity record (14 bytes: where
// something happened) and the contact record (60 bytes: who met whom). Each layout is declared
// once, as an ordered table of its fields, and encoded and decoded through it.
#pragma once

#include "platform/Numbers.h"

#include <QByteArray>
#include <array>

using platform::Int16;

struct ActivityRecord {
    static constexpr int kLength = 14;
    Int16 Day;  // GameState item 1 plus 1
    Int16 Hour; // GameState item 2
    Int16 X;    // map point of the event
    Int16 Y;
    float Number = 0; // running number of the activity in the hour
    Int16 Kind;       // ActivityKind
};

// Fields of the contact record in file order; LATO1 is the Allied side, LATO2 the Axis side.
struct ContactRecord {
    static constexpr int kLength = 60;
    Int16 STMOSSA, STLATO1, STLATO2, STVEDELATO1, STVEDELATO2, STNSTACKLATO1, STNSTACKLATO2, STDIFVEVLATO1,
        STDIFVEVLATO2, STDADOLATO1, STDADOLATO2, STATTACCOLATO1, STATTACCOLATO2, STROTTALATO1, STROTTALATO2,
        STNUMNAVILATO1, STNUMNAVILATO2, STNODILATO1, STNODILATO2, STINCLATO1, STINCLATO2, STCONTATTI,
        STNUMATTIVITA, STDISTANZA, STA1, STA2, STB1, STB2, STC1, STC2;

    // The fields in file order: field i lies at offset 2 * i.
    static const std::array<Int16 ContactRecord::*, 30> kFields;

    Int16& operator[](int i) { return this->*kFields.at(i); }
    int operator[](int i) const { return this->*kFields.at(i); }
};

QByteArray encodeActivity(const ActivityRecord& r);
ActivityRecord decodeActivity(const QByteArray& bytes); // short input reads as zeros
QByteArray encodeContact(const ContactRecord& r);
ContactRecord decodeContact(const QByteArray& bytes);
