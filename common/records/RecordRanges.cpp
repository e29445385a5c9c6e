#include "RecordRanges.h"

#include "platform/Numbers.h"

#include <QRegularExpression>
#include <optional>
#include <vector>

namespace recordformat {

namespace {

// A number field and, when the game gives it one, a range narrower than the digits of its width.
struct Row {
    int field;
    const char* name;
    std::optional<ValueRange> own;
};

// Standard displacement in tons: no ship afloat in 1940-42 displaced more than 64,000 tons. A
// ship's group is one of the 50 naval groups, its port one of the 15 bases, and a line holds no
// more aircraft than three digits write.
const Row kShipRows[] = {
    {ship::STAZZA, "STAZZA", ValueRange{0, 65000}},
    {ship::ANNODATI, "ANNODATI", {}},
    {ship::NODI, "NODI", {}},
    {ship::OPERATIVITA, "OPERATIVITA", {}},
    {ship::DIR_TIRO, "DIR.TIRO", {}},
    {ship::CARGO, "CARGO", {}},
    {ship::COSTO, "COSTO", {}},
    {ship::RESISTENZA, "RESISTENZA", {}},
    {ship::C_A_INCENDI, "C.A.INCENDI", {}},
    {ship::AEREI, "AEREI", {}},
    {ship::RADAR, "RADAR", {}},
    {ship::AAM, "AAM", {}},
    {ship::AAC, "AAC", {}},
    {ship::MISSIONE, "MISSIONE", {}},
    {ship::STATUS, "STATUS", {}},
    {ship::NODIM, "NODIM", {}},
    {ship::OPERATIVITAM, "OPERATIVITAM", {}},
    {ship::D_TIROM, "D.TIROM", {}},
    {ship::CARGOM, "CARGOM", {}},
    {ship::RESISTENZAM, "RESISTENZAM", {}},
    {ship::C_A_INCENDIM, "C.A.INCENDIM", {}},
    {ship::AEREIM, "AEREIM", {}},
    {ship::RADARM, "RADARM", {}},
    {ship::AAMM, "AAMM", {}},
    {ship::AACM, "AACM", {}},
    {ship::MA, "MA", {}},
    {ship::MAM, "MAM", {}},
    {ship::INCENDI_ATTIVI, "INCENDI ATTIVI", {}},
    {ship::AFF, "AFF", {}},
    {ship::NUMERO_GN, "NUMERO GN", ValueRange{0, 50}},
    {ship::PORTO, "PORTO", ValueRange{0, 15}},
    {ship::OperativitaPersaAerei, "OPERATIVITA PERSA", {}},
    {ship::Assistenza, "ASSISTENZA", {}},
    {ship::NON_OP, "NON OP", {}},
};

const Row kAircraftRows[] = {
    {aircraft::Anno, "ANNO", {}},
    {aircraft::Autonomia, "AUTONOMIA", {}},
    {aircraft::Giudizio, "GIUDIZIO", {}},
    {aircraft::FattoreAttacco, "FATTORE ATTACCO", {}},
    {aircraft::FattoreDifesa, "FATTORE DIFESA", {}},
    {aircraft::FattoreMitragliamento, "FATTORE MITRAGLIAMENTO", {}},
    {aircraft::Carico, "CARICO", {}},
    {aircraft::Siluri, "SILURI", {}},
    {aircraft::Velocita, "VELOCITA", {}},
    {aircraft::Costo, "COSTO", {}},
    {aircraft::Disponibilita, "DISPONIBILITA", {}},
    {aircraft::Pronti, "PRONTI", ValueRange{0, 999}},
    {aircraft::InVolo, "IN VOLO", {}},
    {aircraft::Persi, "PERSI", {}},
};

// What a record's text field of `width` characters can hold as a number.
ValueRange widthRange(int width) {
    long long top = 1;
    for (int i = 0; i < width; ++i) top *= 10;
    return {width > 1 ? -(top / 10 - 1) : 0, top - 1};
}

template <std::size_t N> std::vector<FieldRule> rules(const Row (&rows)[N], const RecordLayout& layout) {
    std::vector<FieldRule> out;
    for (const Row& r : rows)
        out.push_back({r.field, r.name, r.own.value_or(widthRange(layout.field(r.field).width))});
    return out;
}

const std::vector<FieldRule>& shipRules() {
    static const std::vector<FieldRule> r = rules(kShipRows, shipLayout());
    return r;
}
const std::vector<FieldRule>& aircraftRules() {
    static const std::vector<FieldRule> r = rules(kAircraftRows, aircraftLayout());
    return r;
}

// The rules by field number, looked up once: null where a field holds no number.
struct RuleIndex {
    std::vector<const FieldRule*> at;
    explicit RuleIndex(const std::vector<FieldRule>& rules, int fields) : at(fields + 1, nullptr) {
        for (const FieldRule& r : rules) at[r.field] = &r;
    }
};
const RuleIndex& shipIndex() {
    static const RuleIndex i(shipRules(), ShipRecord::kFields);
    return i;
}
const RuleIndex& aircraftIndex() {
    static const RuleIndex i(aircraftRules(), AircraftRecord::kFields);
    return i;
}

// A number field as the game writes it: blanks, a minus, digits (a decimal part from old cards),
// blanks. Read from the record's bytes: every field of every record is looked at.
bool isNumberField(const TextRecord& r, int field) {
    const FieldSpec& f = r.layout().field(field);
    const char* p = r.bytes().constData() + f.offset;
    const char* const end = p + f.width;
    while (p < end && *p == ' ') ++p;
    if (p < end && *p == '-') ++p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    if (p < end && *p == '.')
        for (++p; p < end && *p >= '0' && *p <= '9';) ++p;
    while (p < end && *p == ' ') ++p;
    return p == end;
}

// The first number field of the record that is not a number within its range. A plain whole
// number between blanks, the common case, is read as it is checked.
FieldRefusal numberFieldsRefusal(const TextRecord& r, const std::vector<FieldRule>& rules) {
    for (const FieldRule& rule : rules) {
        const std::optional<long long> plain = r.plainWhole(rule.field);
        if (plain ? !rule.range.holds(*plain)
                  : !isNumberField(r, rule.field) || !rule.range.holds(r.whole(rule.field)))
            return {rule.field, rangeText(rule.range)};
    }
    return {};
}

} // namespace

std::span<const FieldRule> shipFieldRules() {
    return shipRules();
}
std::span<const FieldRule> aircraftFieldRules() {
    return aircraftRules();
}

const FieldRule* fieldRule(const RecordLayout& layout, int field) {
    const RuleIndex& index = &layout == &shipLayout() ? shipIndex() : aircraftIndex();
    if (field < 1 || field >= int(index.at.size())) return nullptr;
    return index.at[field];
}

QString fieldName(const RecordLayout& layout, int field) {
    if (const FieldRule* r = fieldRule(layout, field)) return QString::fromLatin1(r->name);
    if (&layout == &shipLayout()) {
        switch (field) {
        case ship::CLASSE:
            return QStringLiteral("CLASSE");
        case ship::NOME:
            return QStringLiteral("NOME");
        case ship::TIPO:
            return QStringLiteral("TIPO");
        case ship::NAZIONE:
            return QStringLiteral("NAZIONE");
        case ship::CodicePortaerei:
            return QStringLiteral("CODICE PORTAEREI");
        default:
            break;
        }
    }
    return QStringLiteral("campo %1").arg(field);
}

QString rangeText(ValueRange range) {
    return QStringLiteral("deve essere tra %1 e %2").arg(range.low).arg(range.high);
}

// Whether the record's type field is one of the codes, read from the bytes: the savers check every
// ship record they write.
bool knownTypeCode(const ShipRecord& ship) {
    static const char codes[] = "PAPLNBIBIPILCTNMNLSASCNXAXPTMR";
    const FieldSpec& f = ship.layout().field(ship::TIPO);
    if (f.width != 2) return false;
    const char* p = ship.bytes().constData() + f.offset;
    for (const char* c = codes; *c; c += 2)
        if (p[0] == c[0] && p[1] == c[1]) return true;
    return false;
}

// A byte that the field's text trims as white space: a blank, a tab, a line or page end, or the
// Windows-1252 no-break space.
bool trimmedByte(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || static_cast<unsigned char>(c) == 0xA0;
}

// Whether the carrier code, trimmed, is empty or "P" and one or two digits.
bool carrierCodeField(const ShipRecord& ship) {
    const FieldSpec& f = ship.layout().field(ship::CodicePortaerei);
    const char* p = ship.bytes().constData() + f.offset;
    const char* end = p + f.width;
    while (p < end && trimmedByte(*p)) ++p;
    while (end > p && trimmedByte(end[-1])) --end;
    if (p == end) return true;
    const qsizetype digits = end - p - 1;
    if (*p != 'P' || digits < 1 || digits > 2) return false;
    for (++p; p < end; ++p)
        if (*p < '0' || *p > '9') return false;
    return true;
}

FieldRefusal shipRecordRefusal(const ShipRecord& ship) {
    if (!knownTypeCode(ship))
        return {ship::TIPO,
                QStringLiteral("deve essere uno dei codici PA, PL, NB, IB, IP, IL, CT, NM, NL, SA, SC, "
                               "NX, AX, PT, MR")};
    if (FieldRefusal why = numberFieldsRefusal(ship, shipRules()); why.field != 0) return why;
    if (!carrierCodeField(ship))
        return {ship::CodicePortaerei,
                QStringLiteral("deve essere vuoto, o P seguito dal numero della portaerei")};
    return {};
}

FieldRefusal aircraftRecordRefusal(const AircraftRecord& line) {
    return numberFieldsRefusal(line, aircraftRules());
}

QString refusalText(const TextRecord& record, const FieldRefusal& why) {
    return refusalText(record.layout(), why.field, record.text(why.field).trimmed(), why.reason);
}

QString refusalText(const RecordLayout& layout, int field, const QString& value, const QString& reason) {
    const QString name = fieldName(layout, field);
    const QString where =
        name.startsWith(QLatin1String("campo ")) ? name : QStringLiteral("campo %1 %2").arg(field).arg(name);
    return QStringLiteral("%1 (\"%2\"): %3").arg(where, readableValue(value), reason);
}

QString valueRefusal(const RecordLayout& layout, int field, const QString& text) {
    const FieldRule* rule = fieldRule(layout, field);
    if (!rule) return {};
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,18}(\\.[0-9]*)?$"));
    const QString t = text.trimmed();
    if (t.isEmpty()) return rule->range.holds(0) ? QString() : rangeText(rule->range);
    if (!number.match(t).hasMatch() ||
        !rule->range.holds(platform::roundHalfEven(platform::leadingNumber(t))))
        return rangeText(rule->range);
    return {};
}

QString readableValue(const QString& text, int most) {
    QString out;
    for (QChar c : text) out += c.unicode() < 32 || c.unicode() == 127 ? QChar(u'?') : c;
    if (out.size() > most) out = out.left(most - 3) + QStringLiteral("...");
    return out;
}

} // namespace recordformat
