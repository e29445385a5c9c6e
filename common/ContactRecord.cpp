#include "ContactRecord.h"

#include <QtEndian>
#include <cstring>

namespace {

// A field of the activity record: a 16-bit whole number or the one 32-bit float.
struct ActivityField {
    int offset;
    Int16 ActivityRecord::*whole;
    float ActivityRecord::*real;
};

const ActivityField kActivityFields[] = {
    {0, &ActivityRecord::Day, nullptr},    {2, &ActivityRecord::Hour, nullptr},
    {4, &ActivityRecord::X, nullptr},      {6, &ActivityRecord::Y, nullptr},
    {8, nullptr, &ActivityRecord::Number}, {12, &ActivityRecord::Kind, nullptr},
};

QByteArray padded(const QByteArray& bytes, int length) {
    QByteArray b = bytes.left(length);
    b.append(QByteArray(length - b.size(), '\0'));
    return b;
}

void put16(QByteArray& b, int at, int v) {
    qToLittleEndian<qint16>(static_cast<qint16>(v), b.data() + at);
}
int get16(const QByteArray& b, int at) {
    return qFromLittleEndian<qint16>(b.constData() + at);
}

} // namespace

const std::array<Int16 ContactRecord::*, 30> ContactRecord::kFields = {
    &ContactRecord::STMOSSA,        &ContactRecord::STLATO1,        &ContactRecord::STLATO2,
    &ContactRecord::STVEDELATO1,    &ContactRecord::STVEDELATO2,    &ContactRecord::STNSTACKLATO1,
    &ContactRecord::STNSTACKLATO2,  &ContactRecord::STDIFVEVLATO1,  &ContactRecord::STDIFVEVLATO2,
    &ContactRecord::STDADOLATO1,    &ContactRecord::STDADOLATO2,    &ContactRecord::STATTACCOLATO1,
    &ContactRecord::STATTACCOLATO2, &ContactRecord::STROTTALATO1,   &ContactRecord::STROTTALATO2,
    &ContactRecord::STNUMNAVILATO1, &ContactRecord::STNUMNAVILATO2, &ContactRecord::STNODILATO1,
    &ContactRecord::STNODILATO2,    &ContactRecord::STINCLATO1,     &ContactRecord::STINCLATO2,
    &ContactRecord::STCONTATTI,     &ContactRecord::STNUMATTIVITA,  &ContactRecord::STDISTANZA,
    &ContactRecord::STA1,           &ContactRecord::STA2,           &ContactRecord::STB1,
    &ContactRecord::STB2,           &ContactRecord::STC1,           &ContactRecord::STC2,
};

QByteArray encodeActivity(const ActivityRecord& r) {
    QByteArray b(ActivityRecord::kLength, '\0');
    for (const ActivityField& f : kActivityFields) {
        if (f.whole) {
            put16(b, f.offset, r.*f.whole);
        } else {
            const float v = r.*f.real;
            quint32 bits;
            std::memcpy(&bits, &v, 4);
            qToLittleEndian<quint32>(bits, b.data() + f.offset);
        }
    }
    return b;
}

ActivityRecord decodeActivity(const QByteArray& bytes) {
    const QByteArray b = padded(bytes, ActivityRecord::kLength);
    ActivityRecord r;
    for (const ActivityField& f : kActivityFields) {
        if (f.whole) {
            r.*f.whole = get16(b, f.offset);
        } else {
            const quint32 bits = qFromLittleEndian<quint32>(b.constData() + f.offset);
            float v;
            std::memcpy(&v, &bits, 4);
            r.*f.real = v;
        }
    }
    return r;
}

QByteArray encodeContact(const ContactRecord& r) {
    QByteArray b(ContactRecord::kLength, '\0');
    for (int i = 0; i < 30; ++i) put16(b, 2 * i, r[i]);
    return b;
}

ContactRecord decodeContact(const QByteArray& bytes) {
    const QByteArray b = padded(bytes, ContactRecord::kLength);
    ContactRecord r;
    for (int i = 0; i < 30; ++i) r[i] = get16(b, 2 * i);
    return r;
}
