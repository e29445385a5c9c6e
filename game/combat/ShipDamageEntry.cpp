#include "ShipDamageEntry.h"
#include "common/CampaignRanges.h"
#include "common/NavalGroupValues.h"

#include "PatrolAttack.h"

namespace damageentry {

namespace F = recordformat::ship;

const std::array<Row, kRows> kRowFields = {{
    {"Resistenza", F::RESISTENZA, F::RESISTENZAM, 4},
    {"Nodi", F::NODI, F::NODIM, 2},
    {"Operatività", F::OPERATIVITA, F::OPERATIVITAM, 4},
    {"Cargo", F::CARGO, F::CARGOM, 3},
    {"AAM", F::AAM, F::AAMM, 3},
    {"CI controllo Incendi", F::C_A_INCENDI, F::C_A_INCENDIM, 2},
    {"DT Direzione Tiro", F::DIR_TIRO, F::D_TIROM, 2},
    {"MA movim. Aerei", F::MA, F::MAM, 2},
    {"AEREI (solo Ricognitori Imb.)", F::AEREI, F::AEREIM, 2},
    {"IA - Incendi Attivi", 0, F::INCENDI_ATTIVI, 1},
    {"AFFONDAMENTO", F::AFF, F::AFF, 1},
}};

long long entryValue(const QString& text) {
    bool ok = false;
    const QString t = text.trimmed();
    for (QChar c : t)
        if (c < u'0' || c > u'9') return 0;
    const long long v = t.toLongLong(&ok);
    return ok ? v : 0;
}

long long enteredValue(int row, long long loaded, long long entry) {
    if (row == kFiresRow) return loaded + entry;
    if (row == kSinkingRow) return entry == 1 ? 1 : loaded;
    return patrolattack::lowered(loaded, entry, 0);
}

bool showsDamage(int row, long long defaultValue, long long value) {
    return row >= kFiresRow ? value > 0 : defaultValue > value;
}

bool confirmable(const Values& entries) {
    long long sum = 0;
    for (long long e : entries) sum += e;
    return sum >= 1;
}

bool aircraftLocked(const QString& type) {
    return isCarrierType(type);
}

QString shipLine(int group, const recordformat::ShipRecord& ship) {
    return QStringLiteral("GN: ") + QString::number(group) + QStringLiteral(" -") + ship.text(F::TIPO) +
           QStringLiteral("- ") + ship.trimmed(F::NOME);
}

Values currentValues(const recordformat::ShipRecord& ship) {
    Values v{};
    for (int i = 0; i < kRows; ++i) v[i] = ship.whole(kRowFields[i].currentField);
    return v;
}

void storeValues(recordformat::ShipRecord& ship, const Values& loaded, const Values& values) {
    for (int i = 0; i < kRows; ++i)
        if (values[i] != loaded[i]) ship.setNumber(kRowFields[i].currentField, values[i]);
}

QString valuesRefusal(const Values& loaded, const Values& values) {
    for (int i = 0; i < kRows; ++i) {
        const ValueRange range = campaignRange(CampaignTable::Ship, kRowFields[i].currentField);
        if (values[i] != loaded[i] && !range.holds(values[i]))
            return refusedValueText(QString::fromUtf8(kRowFields[i].caption), range);
    }
    return {};
}

} // namespace damageentry
