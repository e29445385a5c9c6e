// The two fixed-width text records shared by the game's campaign files and the set-up program's
// side archives: one ship (179 bytes, 47 fields) and one line of aircraft of one type (149 bytes,
// 30 fields). Fields are numbered from 1 as the game numbers them, hold one byte a character in
// the Windows-1252 code page, left-aligned and padded with blanks. Each layout is declared once,
// as a table of offsets and widths, and every read and write goes through it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <span>

namespace platform {
class RecordFile;
}

namespace recordformat {

struct FieldSpec {
    int offset;
    int width;
};

struct RecordLayout {
    const char* name;
    int length;
    std::span<const FieldSpec> fields; // field n at index n - 1
    int fieldCount() const { return static_cast<int>(fields.size()); }
    // std::out_of_range for a field number outside 1..count.
    const FieldSpec& field(int n) const {
        if (n < 1 || n > fieldCount()) noSuchField(n);
        return fields[std::size_t(n - 1)];
    }
    [[noreturn]] void noSuchField(int n) const;
};

const RecordLayout& shipLayout();
const RecordLayout& aircraftLayout();

// One record in memory: the bytes of the file record, read and written field by field.
class TextRecord {
  public:
    explicit TextRecord(const RecordLayout& layout); // all blanks
    const RecordLayout& layout() const { return *layout_; }

    const QByteArray& bytes() const { return bytes_; }
    void setBytes(const QByteArray& bytes); // cut or padded with blanks to the record length

    // The field's text as stored, trailing blanks included.
    QString text(int field) const;
    // The field's bytes as stored (code page bytes), valid until the record next changes.
    QByteArrayView stored(int field) const {
        const FieldSpec& f = layout_->field(field);
        return QByteArrayView(bytes_.constData() + f.offset, f.width);
    }
    QString trimmed(int field) const { return text(field).trimmed(); }
    // Left-aligned assignment: padded with blanks, cut to the field's width (by code-page bytes).
    void setText(int field, const QString& value);

    // The field's numeric value: its leading number, a blank field reads 0.
    double number(int field) const;
    // The numeric value stored into a whole number (rounded, halves to even).
    long long whole(int field) const;
    // The field as a plain whole number between blanks, read straight from its bytes (the common
    // case, which the hourly passes and the checks read of every ship); none when it is not one.
    std::optional<long long> plainWhole(int field) const;
    // Stores the decimal text of a whole number, left-aligned. A number wider than the field is
    // saturated to the widest value the field holds (999 in three places, -99 below zero), so
    // that a read gives the nearest value instead of a digit-cut one (1000 cut to "100").
    void setNumber(int field, long long value);
    // The old form with a blank before a number that is not negative (" 5"), kept while it fits
    // the field; a number that only fits without the blank is stored plain ("100" in three
    // places), so that no digit is lost. Wider numbers saturate as with setNumber.
    void setNumberWithSign(int field, long long value);

  private:
    friend void readRecord(const platform::RecordFile& file, int number, TextRecord& record);
    const RecordLayout* layout_;
    QByteArray bytes_;
};

// Field numbers of the ship record the game names in its rules, spelt as the record layout names
// the fields (a dot or a blank becomes an underscore); the fields it leaves unnamed by their use.
namespace ship {
enum Field {
    CLASSE = 1,
    NOME = 2,
    TIPO = 3,
    NAZIONE = 4,
    STAZZA = 5,
    ANNODATI = 6,
    NODI = 7,
    OPERATIVITA = 8,
    DIR_TIRO = 9,
    CARGO = 10,
    COSTO = 11,
    RESISTENZA = 12,
    C_A_INCENDI = 13,
    AEREI = 14,
    RADAR = 15,
    AAM = 16,
    AAC = 17,
    Cancellato = 18,
    MISSIONE = 19,
    STATUS = 20,
    NODIM = 21,
    OPERATIVITAM = 22,
    D_TIROM = 23,
    CARGOM = 24,
    RESISTENZAM = 25,
    C_A_INCENDIM = 26,
    AEREIM = 27,
    RADARM = 28,
    AAMM = 29,
    AACM = 30,
    MA = 31,
    MAM = 32,
    INCENDI_ATTIVI = 33,
    CodicePortaerei = 34,
    AFF = 35,
    NUMERO_GN = 36,
    PORTO = 37,
    OperativitaPersaAerei = 38,
    Assistenza = 39,
    NON_OP = 40,
};
}

// Field numbers of the aircraft record the game names in its rules.
namespace aircraft {
enum Field {
    Nazione = 1,
    Nome = 2,
    Costruttore = 3,
    Ruolo = 4,
    Anno = 5,
    Autonomia = 6,
    Giudizio = 7,
    FattoreAttacco = 8,
    FattoreDifesa = 9,
    FattoreMitragliamento = 10,
    Carico = 11,
    Siluri = 12,
    Velocita = 13,
    Costo = 14,
    Disponibilita = 15,
    Silurante = 16,
    Bombardiere = 17,
    Cancellato = 18,
    Imbarcato = 19,
    Pronti = 22,
    InVolo = 23,
    Persi = 24,
    Idro = 28,
    Notturno = 29,
};
}

class ShipRecord : public TextRecord {
  public:
    static constexpr int kLength = 179;
    static constexpr int kFields = 47;
    ShipRecord() : TextRecord(shipLayout()) {}
    // A ship is never removed from its file: "XXX" in field 18 marks it deleted.
    bool isDeleted() const;
    void markDeleted();
};

class AircraftRecord : public TextRecord {
  public:
    static constexpr int kLength = 149;
    static constexpr int kFields = 30;
    AircraftRecord() : TextRecord(aircraftLayout()) {}
    // "X" in field 18 marks a deleted aircraft line.
    bool isDeleted() const;
    void markDeleted();
};

// Record access on a random-access file of the record's length (FileError when the file was
// opened with another record length). Records are numbered from 1; a new one goes at count + 1.
void readRecord(const platform::RecordFile& file, int number, TextRecord& record);
void writeRecord(platform::RecordFile& file, int number, const TextRecord& record);
int appendRecord(platform::RecordFile& file, const TextRecord& record); // the record number written

} // namespace recordformat
