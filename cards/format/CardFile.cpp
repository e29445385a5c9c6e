#include "CardFile.h"

#include "common/records/RecordRanges.h"
#include "platform/Files.h"

#include <QRegularExpression>

namespace cardfile {

namespace {

// A number as the programs write one: a minus, digits, a point and decimals (".5" too).
bool isNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    return number.match(text).hasMatch();
}

QString shown(const QString& text) {
    return recordformat::readableValue(text, 30);
}

// The value of one line, or why the line holds none that can be read as written.
struct LineValue {
    QString value;
    QString refusal;
};

LineValue lineValue(const QString& line, const LineRule& rule) {
    const QString t = line.trimmed();
    QString value;
    if (t.startsWith(u'"')) {
        const qsizetype close = t.indexOf(u'"', 1);
        if (close < 0) return {{}, QStringLiteral("virgolette aperte e mai chiuse (%1)").arg(shown(t))};
        if (close != t.size() - 1)
            return {{}, QStringLiteral("altro testo dopo le virgolette chiuse (%1)").arg(shown(t))};
        value = t.mid(1, close - 1);
    } else {
        if (t.contains(u','))
            return {{}, QStringLiteral("più di un valore sulla stessa riga (%1)").arg(shown(t))};
        if (t.contains(u'"')) return {{}, QStringLiteral("virgolette fuori posto (%1)").arg(shown(t))};
        value = t;
    }
    if (rule.number && !value.trimmed().isEmpty() && !isNumber(value.trimmed()))
        return {{}, QStringLiteral("\"%1\" non è un numero").arg(shown(value))};
    return {value, {}};
}

} // namespace

QStringList readCardValues(const QString& path, const QString& kind, int lines,
                           const std::function<LineRule(int)>& rule) {
    const QString file = platform::diskPath(path);
    const auto refuse = [&](const QString& where) {
        throw platform::FileError(QStringLiteral("Scheda %1 non leggibile: %2%3.").arg(kind, file, where),
                                  file);
    };
    QByteArray bytes;
    try {
        bytes = platform::readWholeFile(file);
    } catch (const platform::FileError&) {
        refuse(QStringLiteral(": file mancante o illeggibile"));
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList text = platform::fromCp1252(bytes).split(lineEnd);
    // The line end of the last line ends the file: no line follows it.
    if (!text.isEmpty() && text.last().isEmpty()) text.removeLast();
    if (text.size() < lines)
        refuse(text.isEmpty()
                   ? QStringLiteral(": il file è vuoto, una scheda %1 ha %2 righe").arg(kind).arg(lines)
                   : QStringLiteral(": finisce alla riga %1, una scheda %2 ha %3 righe")
                         .arg(text.size())
                         .arg(kind)
                         .arg(lines));
    QStringList values;
    for (int n = 1; n <= lines; ++n) {
        const LineRule r = rule(n);
        const LineValue v = lineValue(text[n - 1], r);
        if (!v.refusal.isEmpty())
            refuse(r.meaning.isEmpty()
                       ? QStringLiteral(", riga %1: %2").arg(n).arg(v.refusal)
                       : QStringLiteral(", riga %1 (%2): %3").arg(n).arg(r.meaning, v.refusal));
        values << v.value;
    }
    // A line more than the card has means a value was added, and every value after it moved on.
    for (qsizetype n = lines; n < text.size(); ++n)
        if (!text[n].trimmed().isEmpty())
            refuse(QStringLiteral(", riga %1: una scheda %2 ha %3 righe, questa ne ha di più")
                       .arg(n + 1)
                       .arg(kind)
                       .arg(lines));
    return values;
}

} // namespace cardfile
