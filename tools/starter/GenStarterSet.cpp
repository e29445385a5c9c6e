// Regenerates the shipped starter set: the ship cards with their name lists, the aircraft cards and
// the four side archives, from the historical tables navi.txt and aerei.txt beside this file.
//
// Every value goes through the programs' own code: the ship and aircraft editors of Torvcard are
// filled in as a player would fill them and asked to rate and save, and the set-up window of
// Torvsetup opens each card and inserts its ships and aircraft. So the shipped files are exactly
// what the two programs write.
//
//   gen_starter_set <program folder> <folder of the tables>     ("make starter": data tools/starter)
//
// The program folder's Navi and Aerei folders and its four archives are written anew.
#include "cards/CardGlobals.h"
#include "cards/Form1_Main.h"
#include "cards/FormStart.h"
#include "cards/Form_Aerei.h"
#include "cards/Form_Giudizio.h"
#include "cards/Form_PS.h"
#include "cards/TurretArmourForm.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "setup/FrmSetUpTorv.h"
#include "setup/SetupGlobals.h"
#include "setup/SideArchive.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <cstdio>
#include <map>
#include <stdexcept>

using namespace platform;

namespace {

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// One block of a table: "key: value" lines, '#' starts a comment.
struct Block {
    int line = 0;
    QMap<QString, QString> values;
    QString get(const QString& key, const QString& fallback = QString()) const {
        return values.value(key, fallback);
    }
    QString need(const QString& key) const {
        if (!values.contains(key)) fail(QStringLiteral("line %1: no \"%2\"").arg(line).arg(key));
        return values.value(key);
    }
    QStringList list(const QString& key, QChar sep) const {
        QStringList out;
        for (const QString& s : get(key).split(sep, Qt::SkipEmptyParts)) out << s.trimmed();
        return out;
    }
};

QList<Block> readBlocks(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) fail(QStringLiteral("cannot read %1").arg(path));
    QList<Block> blocks;
    Block current;
    int n = 0;
    const auto flush = [&] {
        if (!current.values.isEmpty()) blocks << current;
        current = Block{};
    };
    while (!f.atEnd()) {
        ++n;
        QString line = QString::fromUtf8(f.readLine());
        if (const int hash = line.indexOf(u'#'); hash >= 0) line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty()) {
            flush();
            continue;
        }
        const int colon = line.indexOf(u':');
        if (colon < 0) fail(QStringLiteral("%1:%2: no \"key: value\"").arg(path).arg(n));
        if (current.values.isEmpty()) current.line = n;
        current.values.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    flush();
    return blocks;
}

int indexStarting(const ComboBox& c, const QString& start, bool exact = false) {
    for (int i = 0; i < c.listCount(); ++i)
        if (exact ? c.list(i) == start : c.list(i).startsWith(start)) return i;
    fail(QStringLiteral("no item \"%1\" in %2").arg(start, c.name()));
}

void pick(ComboBox& c, const QString& start, bool exact = false) {
    c.doPick(indexStarting(c, start, exact));
}

// A calibre as the tables write it ("102/45"): the plain gun when the list has it, else its
// dual-purpose form.
void pickCalibre(ComboBox& c, const QString& calibre) {
    const QString plain = calibre + QStringLiteral(" mm");
    for (int i = 0; i < c.listCount(); ++i)
        if (c.list(i) == plain) return c.doPick(i);
    pick(c, plain + QStringLiteral(" ds"), true);
}

void type(TextBox& t, const QString& text) {
    t.setText(QString());
    t.doType(text);
}

// Errors raised inside the programs' handlers are shown by them; here they stop the run.
QStringList gErrors;
void checkErrors(const QString& where) {
    if (!gErrors.isEmpty()) fail(where + QStringLiteral(": ") + gErrors.join(QStringLiteral("; ")));
}

// ---------------------------------------------------------------- ships

struct ShipCardMade {
    QString path;
    QString nation;
    QStringList insert; // the names to take into the archive
};

ShipCardMade makeShipCard(const Block& b) {
    Form1_Main& f = form<Form1_Main>();
    f.Command2.doClick();

    const QString cls = b.need("classe");
    QStringList ships = b.list("navi", u',');
    if (ships.isEmpty()) ships << cls;
    const QString code = b.need("nazione");

    // Armour through the prompts, turrets and special protections through their windows.
    QStringList armour = b.get("corazza", "0 0 0").split(u' ', Qt::SkipEmptyParts);
    if (armour.size() != 3) fail(QStringLiteral("line %1: corazza needs three values").arg(b.line));
    testing::setInputBoxHandler(
        [&](const QString&, const QString&, const QString&) { return armour.takeFirst(); });
    const auto turretValues = [&](const QString& key) {
        QStringList v = b.get(key, "0 0 0 0 aperte").split(u' ', Qt::SkipEmptyParts);
        if (v.size() != 5) fail(QStringLiteral("line %1: %2 needs five values").arg(b.line).arg(key));
        return v;
    };
    const QStringList mainTurrets = turretValues("torri"), secondTurrets = turretValues("torri2");
    const QStringList protections = b.list("protezioni", u' ');
    testing::setModalHandler([&](Form& w) {
        if (auto* tp = dynamic_cast<TurretArmourForm*>(&w)) {
            const QStringList& v = w.name() == QLatin1String("Form_TP") ? mainTurrets : secondTurrets;
            TextBox* boxes[4] = {&tp->Text1, &tp->Text2, &tp->Text3, &tp->Text4};
            for (int i = 0; i < 4; ++i) type(*boxes[i], v[i]);
            (v[4] == QLatin1String("chiuse") ? tp->Option1 : tp->Option2).doClick();
            tp->Command3.doClick();
        } else if (auto* ps = dynamic_cast<Form_PS*>(&w)) {
            ps->Command3.doClick();
            CheckBox* boxes[4] = {&ps->Check1, &ps->Check2, &ps->Check3, &ps->Check4};
            const char* names[4] = {"PV", "OD", "VD", "AS"};
            for (int i = 0; i < 4; ++i)
                if (protections.contains(QLatin1String(names[i])) && boxes[i]->value() == 0)
                    boxes[i]->doClick();
            ps->Command2.doClick();
        }
    });

    type(f.Text1, cls);
    pick(f.Combo1, b.need("tipo") + u' ');
    pick(f.Combo2, code + u' ');
    type(f.Text2, b.need("stazza"));
    pick(f.Combo5, b.need("nodi"), true);
    pick(f.Combo3, b.need("varo"), true);

    const QStringList torpedoes = b.list("siluri", u'|');
    if (!torpedoes.isEmpty() && torpedoes[0] != QLatin1String("-")) {
        pick(f.Combo4, torpedoes.value(0));
        type(f.Text6, torpedoes.value(1));
        type(f.Text15, torpedoes.value(2));
    }
    f.Combo9.doPick(b.get("bombe", "0").toInt());

    const QStringList guns = b.list("armi", u'|');
    ComboBox* gunLists[4] = {&f.Combo6, &f.Combo7, &f.Combo8, &f.Combo14};
    TextBox* gunTexts[4] = {&f.Text3, &f.Text4, &f.Text5, &f.Text14};
    for (int i = 0; i < guns.size() && i < 4; ++i) {
        const QStringList g = guns[i].split(u' ', Qt::SkipEmptyParts);
        if (g.value(0) == QLatin1String("-")) continue;
        pickCalibre(*gunLists[i], g.value(0));
        type(*gunTexts[i], g.value(1));
    }
    const QStringList aa = b.list("aa", u'|');
    ComboBox* aaLists[3] = {&f.Combo10, &f.Combo11, &f.Combo12};
    TextBox* aaTexts[3] = {&f.Text9, &f.Text10, &f.Text11};
    for (int i = 0; i < aa.size() && i < 3; ++i) {
        const QStringList a = aa[i].split(u' ', Qt::SkipEmptyParts);
        if (a.value(0) == QLatin1String("-")) continue;
        pick(*aaLists[i], a.value(0) + QStringLiteral(" mm ds"), true);
        type(*aaTexts[i], a.value(1));
    }
    type(f.Text12, b.get("mitragliere", "0"));
    type(f.Text7, b.get("aerei", "0"));
    if (b.values.contains("elevatori")) type(f.Text8, b.get("elevatori"));

    f.Command6.doClick();
    f.Command7.doClick();
    f.Command8.doClick();
    f.Command9.doClick();
    f.Command10.doClick();
    f.Command11.doClick();
    testing::setModalHandler(nullptr);
    testing::setInputBoxHandler(nullptr);

    pick(f.Combo13, b.need("anno"), true);
    f.Label35.doClick();
    if (!f.Command1.enabled()) fail(QStringLiteral("line %1: %2 was not rated").arg(b.line).arg(cls));
    f.Command1.doClick();
    checkErrors(cls);

    // The list starts with the class name as the rating leaves it (without blanks); a leader whose
    // name has blanks is added again as it is written and only that line goes into the archive.
    ShipCardMade made;
    made.path = CG().ShipCardPath;
    made.nation = code;
    const QString leader = f.Text1.text().trimmed();
    for (const QString& name : ships) {
        if (name == leader) {
            made.insert << name;
            continue;
        }
        if (name.size() < 3 || name.size() > 30)
            fail(QStringLiteral("ship name \"%1\" is not 3..30 long").arg(name));
        type(f.Text13, name);
        f.Command22.doClick();
        made.insert << name;
    }
    checkErrors(cls);
    return made;
}

// ---------------------------------------------------------------- aircraft

struct AircraftCardMade {
    QString path;
    QString nation;
};

AircraftCardMade makeAircraftCard(const Block& b) {
    Form_Aerei& f = form<Form_Aerei>();
    f.Command3.doClick();
    const QString code = b.need("nazione");
    pick(f.Combo2, code + u' ');
    type(f.Text1, b.need("nome"));
    pick(f.Combo1, b.need("costruttore"), true);
    pick(f.Combo3, b.need("tipo") + u' ');
    pick(f.Combo11, b.need("anno"), true);
    type(f.Text2, b.need("autonomia"));
    type(f.Text4, b.need("velocita"));
    type(f.Text3, b.get("bombe", "0"));
    pick(f.Combo10, b.get("siluri", "0"), true);
    const QStringList weapons = b.list("armi", u' ');
    if (weapons.size() != 6) fail(QStringLiteral("line %1: armi needs six counts").arg(b.line));
    ComboBox* lists[6] = {&f.Combo4, &f.Combo5, &f.Combo6, &f.Combo7, &f.Combo8, &f.Combo9};
    for (int k = 0; k < 6; ++k) pick(*lists[k], weapons[k], true);
    f.Option1[b.get("notturno", "no") == QLatin1String("si") ? 0 : 1].doClick();
    const auto tick = [](CheckBox& c, bool on) {
        if ((c.value() == 1) != on) c.doClick();
    };
    tick(f.Check4, b.get("idro", "no") == QLatin1String("si"));
    if (b.values.contains("imbarcato")) tick(f.Check3, b.get("imbarcato") == QLatin1String("si"));

    const QStringList answers = b.list("giudizio", u' ');
    if (answers.size() != 10) fail(QStringLiteral("line %1: giudizio needs ten answers").arg(b.line));
    testing::setModalHandler([&](Form& w) {
        auto& q = static_cast<Form_Giudizio&>(w);
        for (int k = 1; k <= 10; ++k) q.answerBox(k).doPick(answers[k - 1].toInt() - 1);
        q.Command2.doClick();
    });
    f.Command1.doClick();
    testing::setModalHandler(nullptr);
    f.Command2.doClick();
    checkErrors(b.need("nome"));
    return {CG().AircraftCardPath, code};
}

// ---------------------------------------------------------------- archives

void fillArchives(const QList<ShipCardMade>& ships, const QList<AircraftCardMade>& planes) {
    resetSetupGlobals();
    FrmSetUpTorv& w = form<FrmSetUpTorv>();
    QString chosen;
    FileDialog::setTestHandler([&](const FileDialog&, bool) { return chosen; });
    for (int side : {sidearchive::kAlliesSide, sidearchive::kAxisSide}) {
        const auto onSide = [side](const QString& code) {
            const bool allied = code == QLatin1String("GB") || code == QLatin1String("US");
            return allied == (side == sidearchive::kAlliesSide);
        };
        w.Command3.doClick();
        (side == sidearchive::kAlliesSide ? w.Option1 : w.Option2).doClick();
        w.Option3.doClick();
        for (const ShipCardMade& card : ships) {
            if (!onSide(card.nation)) continue;
            chosen = card.path;
            w.Command1.doClick();
            checkErrors(card.path);
            for (const QString& name : card.insert) {
                int i = 0;
                while (i < w.List1.listCount() && w.List1.list(i) != name) ++i;
                if (i == w.List1.listCount() || !w.List1.enabled())
                    fail(QStringLiteral("%1 cannot be inserted from %2").arg(name, card.path));
                w.List1.doPickDouble(i);
            }
            checkErrors(card.path);
        }
        w.Command3.doClick();
        w.Option4.doClick();
        for (const AircraftCardMade& card : planes) {
            if (!onSide(card.nation)) continue;
            chosen = card.path;
            w.Command2.doClick();
            w.List4.doPick(0);
            checkErrors(card.path);
        }
    }
    FileDialog::setTestHandler(nullptr);
}

// What a new campaign of 60 days needs of each side (free ship quotas), by campaign year.
void reportQuotas(const QString& archiveFolder) {
    const QMap<QString, int> quota = {{"IP", 3}, {"IL", 3}, {"CT", 6}, {"SA", 6},
                                      {"PT", 3}, {"MR", 4}, {"NX", 2}};
    for (const char* side : {"ALLEATI", "ASSE"}) {
        std::map<int, QMap<QString, int>> byYear;
        const sidearchive::ArchiveListing l = sidearchive::listShipArchive(
            sidearchive::archivePath(archiveFolder, QLatin1String(side), sidearchive::kShips),
            [&](const recordformat::ShipRecord& r) {
                for (int year = 1940; year <= 1942; ++year)
                    if (r.whole(recordformat::ship::ANNODATI) <= year)
                        ++byYear[year][r.trimmed(recordformat::ship::TIPO)];
            });
        std::printf("%-8s %3d ships", side, l.live());
        for (int year = 1940; year <= 1942; ++year) {
            std::printf(" | %d:", year);
            for (auto it = quota.begin(); it != quota.end(); ++it) {
                const int have = byYear[year].value(it.key());
                std::printf(" %s %d", qPrintable(it.key()), have);
                if (have < it.value())
                    fail(QStringLiteral("%1 has %2 %3 for %4, a 60-day campaign places %5")
                             .arg(QLatin1String(side), QString::number(have), it.key())
                             .arg(year)
                             .arg(it.value()));
            }
        }
        const sidearchive::ArchiveListing a = sidearchive::listAircraftArchive(
            sidearchive::archivePath(archiveFolder, QLatin1String(side), sidearchive::kAircraft));
        std::printf(" | %d aircraft types\n", a.live());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initApplication(QStringLiteral("Torvcard"));
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_starter_set <program folder> <tables folder>\n");
        return 2;
    }
    const QString folder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString tables = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    setAppFolder(folder);
    testing::setErrorHandler([](const QString& m) { gErrors << m; });
    testing::setMessageBoxHandler([](const MessageBoxCall& c) {
        gErrors << c.prompt;
        return int(vbOK);
    });
    try {
        const QList<Block> shipBlocks = readBlocks(tables + QStringLiteral("/navi.txt"));
        const QList<Block> planeBlocks = readBlocks(tables + QStringLiteral("/aerei.txt"));
        for (const char* sub : {"Navi", "Aerei"})
            QDir(folder + u'/' + QLatin1String(sub)).removeRecursively();
        makeFolder(folder + QStringLiteral("/Archivio"));
        for (const char* side : {"ALLEATI", "ASSE"})
            for (int kind : {sidearchive::kShips, sidearchive::kAircraft})
                deleteFile(sidearchive::archivePath(folder + QStringLiteral("\\Archivio\\"),
                                                    QLatin1String(side), kind));

        resetCardGlobals();
        form<FormStart>();
        CG().AircraftCardFolder = CG().AppFolder + QStringLiteral("\\Aerei\\");
        makeFolder(folder + QStringLiteral("/Aerei"));
        QList<ShipCardMade> ships;
        for (const Block& b : shipBlocks) ships << makeShipCard(b);
        QList<AircraftCardMade> planes;
        for (const Block& b : planeBlocks) planes << makeAircraftCard(b);
        testing::resetForms();

        fillArchives(ships, planes);
        testing::resetForms();
        std::printf("%lld ship cards, %lld aircraft cards\n", qlonglong(ships.size()),
                    qlonglong(planes.size()));
        reportQuotas(folder + QStringLiteral("\\Archivio\\"));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gen_starter_set: %s\n", e.what());
        testing::resetForms();
        return 1;
    }
    return 0;
}
