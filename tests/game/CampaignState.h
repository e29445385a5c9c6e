// What an open campaign is, to compare it before and after an action: every file of the campaign
// folder byte for byte, and the tables the program keeps in memory.
#pragma once

#include "common/BaseTable.h"
#include "common/CampaignSnapshot.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "platform/Files.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <memory>

namespace campaignstate {

// Every file of the campaign folder (journal and half-written copies included), by name.
using Files = std::map<QString, QByteArray>;

// A program folder in memory where the system has one: these tests flush the campaign's files to
// the disk thousands of times, and the flushes tell them nothing.
inline std::unique_ptr<testsupport::ProgramFolder> programFolderInMemory() {
    const bool had = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray old = qgetenv("TMPDIR");
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable()) qputenv("TMPDIR", "/dev/shm");
    auto folder = std::make_unique<testsupport::ProgramFolder>();
    if (had)
        qputenv("TMPDIR", old);
    else
        qunsetenv("TMPDIR");
    return folder;
}

inline QString folder() {
    return platform::diskPath(G().GamesPath);
}

inline Files files() {
    Files out;
    const QDir dir(folder());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        out[name] = testsupport::readBytes(dir.filePath(name));
    return out;
}

// The folder holds exactly `files` again.
inline void put(const Files& files) {
    QDir dir(folder());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (!files.contains(name)) dir.remove(name);
    for (const auto& [name, bytes] : files)
        if (!dir.exists(name) || testsupport::readBytes(dir.filePath(name)) != bytes)
            testsupport::writeBytes(dir.filePath(name), bytes);
}

// A campaign of its own: no window open, a fresh state object and an empty campaign folder, then
// `make` writes the campaign.
inline void makeAnew(const std::function<void()>& make) {
    platform::testing::resetForms();
    resetGlobals();
    buildPathGlobals();
    if (platform::folderExists(G().GamesPath)) put({});
    resetGlobals();
    make();
}

// What a test of the windows leaves goes: the windows and their modal answers, the dice source,
// the state object.
inline void cleanUp() {
    platform::testing::setModalHandler(nullptr);
    platform::testing::resetForms();
    setDiceSource({});
    resetGlobals();
}

inline QByteArray checksum(const Files& files) {
    QCryptographicHash h(QCryptographicHash::Md5);
    for (const auto& [name, bytes] : files) {
        h.addData(name.toUtf8());
        h.addData(QByteArray::number(bytes.size()));
        h.addData(bytes);
    }
    return h.result();
}

// The names of the files that differ, for a failure's message.
inline std::string differences(const Files& a, const Files& b) {
    QStringList names;
    for (const auto& [name, bytes] : a)
        if (!b.contains(name) || b.at(name) != bytes) names << name;
    for (const auto& [name, bytes] : b)
        if (!a.contains(name)) names << name;
    return names.join(u' ').toStdString();
}

// The campaign's tables as the program holds them: group tables and names, base table, game state
// and mine fields, one line a row.
class Tables {
  public:
    static Tables inMemory() {
        Tables t;
        const Globals& g = G();
        const GroupTable* tables[] = {&g.GnTableAlle, &g.GnTableAsse, &g.GaTableAlle, &g.GaTableAsse};
        for (int k = 0; k < 4; ++k)
            for (int n = 1; n <= kGroups; ++n)
                t.row(QStringLiteral("table %1 row %2").arg(k).arg(n), (*tables[k])[n], kGroupColumns);
        for (const GroupNames* names : {&g.GaNamesAlle, &g.GaNamesAsse})
            for (int n = 1; n <= kGroups; ++n)
                t.rows_ << QStringLiteral("names %1: %2|%3|%4")
                               .arg(n)
                               .arg((*names)[n][1], (*names)[n][2], (*names)[n][3]);
        for (int b = 1; b <= kBases; ++b)
            t.row(QStringLiteral("base %1").arg(b), g.BaseTable[b], kBaseFields);
        for (int f = 1; f <= kMineFields; ++f)
            t.row(QStringLiteral("mines %1").arg(f), g.MineFields[f], kMineRows);
        for (int i = 1; i <= kStateItems; ++i)
            t.rows_ << QStringLiteral("state %1: %2").arg(i).arg(g.GameState[i]);
        return t;
    }
    // The tables as the campaign's files hold them; the tables in memory are left as they are.
    static Tables inFiles() {
        const Kept kept;
        Tables t;
        try {
            reloadCampaignTables();
            t = inMemory();
        } catch (const std::exception& e) {
            t.rows_ = QStringList{QStringLiteral("unreadable: ") + QString::fromUtf8(e.what())};
        }
        kept.put();
        return t;
    }
    bool operator==(const Tables& o) const { return rows_ == o.rows_; }
    const QStringList& rows() const { return rows_; }
    static Tables fromRows(const QStringList& rows) {
        Tables t;
        t.rows_ = rows;
        return t;
    }
    // The first row that differs, for a failure's message.
    std::string firstDifference(const Tables& o) const {
        for (qsizetype i = 0; i < std::max(rows_.size(), o.rows_.size()); ++i)
            if (rows_.value(i) != o.rows_.value(i))
                return (rows_.value(i) + QStringLiteral(" / ") + o.rows_.value(i)).toStdString();
        return {};
    }

  private:
    template <typename T> void row(const QString& name, const T* values, int count) {
        QStringList cells;
        for (int c = 1; c <= count; ++c) cells << QString::number(values[c]);
        rows_ << name + QStringLiteral(": ") + cells.join(u' ');
    }
    // The tables in memory, kept while the files are read into them.
    struct Kept {
        Kept() : g(G()) {
            std::copy_n(&g.GnTableAlle[0][0], sizeof(GroupTable) / sizeof(Int16), &gn[0][0][0]);
            std::copy_n(&g.GnTableAsse[0][0], sizeof(GroupTable) / sizeof(Int16), &gn[1][0][0]);
            std::copy_n(&g.GaTableAlle[0][0], sizeof(GroupTable) / sizeof(Int16), &ga[0][0][0]);
            std::copy_n(&g.GaTableAsse[0][0], sizeof(GroupTable) / sizeof(Int16), &ga[1][0][0]);
            std::copy_n(&g.GaNamesAlle[0][0], (kGroups + 1) * 4, &names[0][0][0]);
            std::copy_n(&g.GaNamesAsse[0][0], (kGroups + 1) * 4, &names[1][0][0]);
            std::copy_n(&g.BaseTable[0][0], sizeof(g.BaseTable) / sizeof(Int32), &bases[0][0]);
            std::copy_n(&g.MineFields[0][0], sizeof(g.MineFields) / sizeof(Int16), &mines[0][0]);
            std::copy_n(g.GameState, std::size(g.GameState), state);
        }
        void put() const {
            std::copy_n(&gn[0][0][0], sizeof(GroupTable) / sizeof(Int16), &g.GnTableAlle[0][0]);
            std::copy_n(&gn[1][0][0], sizeof(GroupTable) / sizeof(Int16), &g.GnTableAsse[0][0]);
            std::copy_n(&ga[0][0][0], sizeof(GroupTable) / sizeof(Int16), &g.GaTableAlle[0][0]);
            std::copy_n(&ga[1][0][0], sizeof(GroupTable) / sizeof(Int16), &g.GaTableAsse[0][0]);
            std::copy_n(&names[0][0][0], (kGroups + 1) * 4, &g.GaNamesAlle[0][0]);
            std::copy_n(&names[1][0][0], (kGroups + 1) * 4, &g.GaNamesAsse[0][0]);
            std::copy_n(&bases[0][0], sizeof(g.BaseTable) / sizeof(Int32), &g.BaseTable[0][0]);
            std::copy_n(&mines[0][0], sizeof(g.MineFields) / sizeof(Int16), &g.MineFields[0][0]);
            std::copy_n(state, std::size(g.GameState), g.GameState);
        }
        Globals& g;
        GroupTable gn[2], ga[2];
        GroupNames names[2];
        Int32 bases[kBases + 1][31];
        Int16 mines[kMineFields + 1][kMineRows + 1];
        QString state[41];
    };
    QStringList rows_;
};

} // namespace campaignstate
