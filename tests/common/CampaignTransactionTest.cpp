// Transactions over the campaign's files: each file kept before its first change, put back whole
// on a failure or after a kill (the journal read back), and a window handler as one transaction.
#include "CampaignFixture.h"
#include "common/BaseTable.h"
#include "common/CampaignJournal.h"
#include "common/CampaignSetup.h"
#include "common/CampaignSnapshot.h"
#include "common/GroupTables.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Form.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace platform;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

class CampaignTransactions : public ::testing::Test {
  protected:
    void SetUp() override {
        SalvaTabelleGruppi();
        SalvaDatiBasi();
        SalvaMine();
        writeBytes(campaign.game("ProvaAttivita.dat"), "AAAA");
        before = files();
    }
    void TearDown() override {
        failWritesAfter(-1);
        setHandlerScope({});
        setModalWaitHooks({}, {});
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
    }
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> out;
        const QDir folder(diskPath(G().GamesPath));
        for (const QString& name : folder.entryList(QDir::Files))
            out[name] = readBytes(folder.filePath(name));
        return out;
    }
    QString journal() const { return campaign.game("Prova.jnl"); }
    // Changes three files as an action does: a table, a record file grown, a new file.
    void act() {
        G().setState(StateItem::Hour, 7);
        SalvaDatiBasi();
        appendToFile(campaign.game("ProvaAttivita.dat"), "BBBB");
        writeWholeFile(campaign.game("ProvaNuovo.dat"), "nuovo");
        appendToFile(campaign.game("ProvaAttivita.dat"), "CCCC");
    }
    CampaignFolder campaign;
    QMap<QString, QByteArray> before;
};

class Window : public Form {
  public:
    Window() : Form("Window") {}
    CommandButton Command1{*this, "Command1", "&OK"};
};

class Dialog : public Form {
  public:
    Dialog() : Form("Dialog") {}
    CommandButton Command1{*this, "Command1", "&OK"};
};

} // namespace

TEST_F(CampaignTransactions, EachFileIsKeptOnceAndPutBackOrCommitted) {
    {
        CampaignTransaction t;
        act();
        EXPECT_TRUE(t.changed());
        const CampaignSnapshot kept = CampaignSnapshot::fromBytes(readBytes(journal()), journal());
        EXPECT_FALSE(kept.covers("StackProvaeventigioco.dat", 0)) << "the table save waits for the commit";
        EXPECT_TRUE(kept.covers("ProvaAttivita.dat", 4)) << "kept by its length";
        EXPECT_FALSE(kept.covers("ProvaAttivita.dat", 0));
        EXPECT_TRUE(kept.covers("ProvaNuovo.dat", 0)) << "kept as missing";
        t.rollBack();
        EXPECT_EQ(files(), before) << "table back, records cut, the new file gone, no journal";
        EXPECT_EQ(G().state(StateItem::Hour), 0) << "the tables in memory read again";

        act();
        t.commit();
        EXPECT_FALSE(QFile::exists(journal()));
        EXPECT_EQ(testsupport::readLines(campaign.game("StackProvaeventigioco.dat")).at(1), "\"7\"");
    }
    EXPECT_EQ(readBytes(campaign.game("ProvaAttivita.dat")), "AAAABBBBCCCC") << "committed, not undone";
    EXPECT_EQ(readBytes(campaign.game("ProvaNuovo.dat")), "nuovo");
}

TEST_F(CampaignTransactions, AJournalCutAnywhereUndoesWhatItsWholeEntriesKept) {
    QByteArray left;
    QMap<QString, QByteArray> after;
    {
        CampaignTransaction t;
        act();
        left = readBytes(journal());
        after = files();
        after.remove("Prova.jnl");
    } // as a kill leaves it: the journal and the changed files
    for (qsizetype cut = 0; cut <= left.size(); cut += 7) {
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            writeBytes(campaign.game(it.key()), it.value());
        writeBytes(journal(), left.left(cut));
        ASSERT_NO_THROW(rollBackLeftJournal()) << cut;
        const QMap<QString, QByteArray> now = files();
        // A cut entry was written before its file changed: each file is as before or as after.
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            EXPECT_TRUE(it.value() == before.value(it.key()) || it.value() == after.value(it.key()))
                << it.key().toStdString() << " at " << cut;
        EXPECT_FALSE(now.contains("Prova.jnl"));
    }
    writeBytes(journal(), left);
    rollBackLeftJournal();
    EXPECT_EQ(files(), before);
    writeBytes(journal(), QByteArray(left).replace(30, 4, "XXXX"));
    EXPECT_THROW(rollBackLeftJournal(), FileError) << "a damaged header is not taken for a cut one";
}

TEST_F(CampaignTransactions, AGrowingFileChangedBeforeItsOldEndIsKeptWholeInTheJournal) {
    QByteArray left;
    {
        CampaignTransaction t;
        appendToFile(campaign.game("ProvaAttivita.dat"), "BBBB");
        writeWholeFile(campaign.game("ProvaNuovo.dat"), "nuovo");
        writeWholeFile(campaign.game("ProvaAttivita.dat"), "ZZZZZZZZ");
        left = readBytes(journal());
    }
    // As a kill leaves it: the files changed and the journal.
    writeBytes(campaign.game("ProvaAttivita.dat"), "ZZZZZZZZ");
    writeBytes(campaign.game("ProvaNuovo.dat"), "nuovo");
    writeBytes(journal(), left);
    ASSERT_TRUE(rollBackLeftJournal());
    EXPECT_EQ(files(), before);
}

TEST_F(CampaignTransactions, ACommitKeepsEveryTableFileItChangesBeforeTheFirstOneChanges) {
    const QStringList tables{"StackProvaDatiBasi.dat", "StackProvaeventigioco.dat", "StackProvaNaviAlle.dat"};
    CampaignTransaction t;
    for (qint64 budget = 0;; budget += 97) {
        G().setState(StateItem::Hour, 7);
        G().BaseTable[1][1] += 1;
        G().GnTableAlle[1][GnCol::X] += 1;
        SalvaDatiBasi();
        SalvaTabelleGruppi();
        failWritesAfter(budget);
        try {
            t.commit();
            break;
        } catch (const FileError&) {
        }
        // As a kill at the failed write leaves it: any table changed, and the journal keeps all.
        const bool touched = std::any_of(tables.cbegin(), tables.cend(), [this](const QString& name) {
            return readBytes(campaign.game(name)) != before.value(name);
        });
        if (touched) {
            const CampaignSnapshot kept = CampaignSnapshot::fromBytes(readBytes(journal()), journal());
            for (const QString& name : tables)
                EXPECT_TRUE(kept.covers(name, 0)) << name.toStdString() << budget;
        }
        t.rollBack();
        ASSERT_EQ(files(), before) << budget;
    }
    failWritesAfter(-1);
    EXPECT_FALSE(QFile::exists(journal()));
    for (const QString& name : tables) EXPECT_NE(readBytes(campaign.game(name)), before.value(name));
}

// A full disk met by the journal itself, at its first bytes or at their flush, is called so, naming
// the journal; the action is undone.
TEST_F(CampaignTransactions, AFullDiskMetByTheJournalIsNamed) {
    runHandlersAsTransactions();
    G().CampaignOpen = true;
    QStringList shown;
    platform::testing::setErrorHandler([&shown](const QString& m) { shown << m; });
    Window& w = form<Window>();
    for (const DiskCall call : {DiskCall::Write, DiskCall::Sync}) {
        shown.clear();
        w.Command1.Click = [this, call] {
            failNextDiskCall(call, ENOSPC);
            act();
        };
        w.Command1.doClick();
        failNextDiskCall(call, 0);
        EXPECT_EQ(files(), before) << int(call);
        ASSERT_EQ(shown.size(), 1) << int(call);
        EXPECT_TRUE(shown[0].startsWith("Disco pieno: impossibile scrivere il file "))
            << shown[0].toStdString();
        EXPECT_TRUE(shown[0].contains("Prova.jnl")) << shown[0].toStdString();
    }
}

// Each flush of the campaign's folder in an action failing in turn (the journal's start, the
// commit's before and after the journal goes): the action is not made whole, so it is undone and
// told, naming the folder.
TEST_F(CampaignTransactions, AFolderFlushThatFailsFailsTheAction) {
    runHandlersAsTransactions();
    G().CampaignOpen = true;
    QStringList shown;
    platform::testing::setErrorHandler([&shown](const QString& m) { shown << m; });
    Window& w = form<Window>();
    w.Command1.Click = [this] { act(); };
    const long long hour = G().state(StateItem::Hour);
    int failed = 0;
    for (int through = 0; through < 10; ++through) {
        shown.clear();
        failNextDiskCall(DiskCall::SyncFolder, EIO, through);
        w.Command1.doClick();
        failNextDiskCall(DiskCall::SyncFolder, 0);
        if (shown.isEmpty()) break;
        ++failed;
        EXPECT_EQ(files(), before) << through;
        EXPECT_EQ(G().state(StateItem::Hour), hour) << through;
        ASSERT_EQ(shown.size(), 1) << through;
        EXPECT_TRUE(shown[0].startsWith("Impossibile registrare sul disco la cartella " +
                                        QDir::cleanPath(diskPath(G().GamesPath))))
            << shown[0].toStdString();
        EXPECT_TRUE(shown[0].endsWith("la partita è rimasta com'era.")) << shown[0].toStdString();
    }
    EXPECT_EQ(failed, 3);
    EXPECT_EQ(readBytes(campaign.game("ProvaNuovo.dat")), "nuovo") << "whole once no flush fails";
}

TEST_F(CampaignTransactions, AHandlerIsOneActionAndAModalWindowCommitsWhatItsOpenerDid) {
    runHandlersAsTransactions();
    G().CampaignOpen = true;
    QStringList shown;
    platform::testing::setErrorHandler([&shown](const QString& m) { shown << m; });
    Window& w = form<Window>();

    // A write that fails halfway: the whole action is undone, and the message says so.
    w.Command1.Click = [this] {
        act();
        failWritesAfter(0);
        SalvaTabelleGruppi();
    };
    w.Command1.doClick();
    EXPECT_EQ(files(), before);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("Disco pieno")) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].endsWith("la partita è rimasta com'era.")) << shown[0].toStdString();
    EXPECT_FALSE(shown[0].contains("il file è rimasto")) << "said of one file, not of the campaign";

    // An action that takes a value past its range: its commit refuses to write it, and the whole
    // action is undone.
    shown.clear();
    w.Command1.Click = [this] {
        act();
        G().BaseTable[4][BaseCol::AircraftInFlight] = -3;
        SalvaDatiBasi();
    };
    w.Command1.doClick();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(shown,
              QStringList{QStringLiteral("Limite della campagna raggiunto: %1, riga 96, base 4, campo 6 "
                                         "(-3): deve essere tra 0 e 32767.\nL'azione non è stata "
                                         "compiuta: la partita è rimasta com'era.")
                              .arg(campaign.game("StackProvaDatiBasi.dat"))});
    EXPECT_EQ(G().BaseTable[4][BaseCol::AircraftInFlight], 0) << "the tables read again";

    // A handler that swallows a failed write and goes on is undone all the same, and the player is
    // told what failed first: here a full disk, met by a write that was short.
    shown.clear();
    w.Command1.Click = [this] {
        act();
        failWritesAfter(2);
        EXPECT_THROW(writeWholeFile(campaign.game("StackProvaNaviAsse.dat"), "xyz"), FileError);
        failNextDiskCall(DiskCall::Rename, EIO);
        EXPECT_THROW(writeWholeFile(campaign.game("StackProvaNaviAlle.dat"), "x"), FileError);
    };
    w.Command1.doClick();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(shown, QStringList{"Disco pieno: impossibile scrivere il file " +
                                 diskPath(campaign.game("StackProvaNaviAsse.dat")) +
                                 ".\nL'azione non è stata compiuta: la partita è rimasta com'era."});

    // What the opener did before the window is whole; the window's own handler is an action of its
    // own, and an error in it stays in it.
    const QString other = campaign.game("StackProvaNaviAsse.dat");
    const QByteArray otherBefore = readBytes(other);
    w.Command1.Click = [this, &other] {
        act();
        platform::testing::setModalHandler([this, &other](Form&) {
            EXPECT_FALSE(QFile::exists(journal())) << "committed before the window waits";
            Dialog& d = form<Dialog>();
            d.Command1.Click = [&other] {
                writeWholeFile(other, "x");
                throw std::runtime_error("interrotta");
            };
            d.Command1.doClick();
        });
        form<Dialog>().showModal();
        writeWholeFile(other, "y");
        throw std::runtime_error("dopo");
    };
    shown.clear();
    w.Command1.doClick();
    EXPECT_EQ(shown, (QStringList{"interrotta", "dopo"}));
    EXPECT_EQ(readBytes(other), otherBefore) << "both writes undone";
    EXPECT_EQ(readBytes(campaign.game("ProvaNuovo.dat")), "nuovo") << "the opener's first part stands";
    EXPECT_FALSE(QFile::exists(journal()));
}

// The journal tells whether an hour or an action wrote it, and an action's what the player used
// to start it (the window's caption and the control's words); journals of the earlier headers,
// which told less or nothing, are put back all the same.
TEST_F(CampaignTransactions, AJournalLeftTellsTheStepThatWroteIt) {
    QByteArray hour, action, hourByHandler; // the journals as a kill during the step leaves them
    {
        CampaignTransaction t(CampaignTransaction::Capture::Everything);
        act();
        hour = readBytes(journal());
    }
    runHandlersAsTransactions();
    G().CampaignOpen = true;
    Window& w = form<Window>();
    w.setCaption(QStringLiteral("ACQUISIZIONE NAVI ASSE"));
    w.Command1.Click = [&] {
        act();
        action = readBytes(journal());
    };
    w.Command1.doClick();
    // The hour, as its button's handler runs it.
    w.Command1.Click = [&] {
        CampaignTransaction t(CampaignTransaction::Capture::Everything);
        act();
        hourByHandler = readBytes(journal());
        t.commit();
    };
    w.Command1.doClick();
    ASSERT_FALSE(hour.isEmpty());
    ASSERT_FALSE(action.isEmpty());
    ASSERT_FALSE(hourByHandler.isEmpty());
    const struct {
        QByteArray bytes;
        CampaignSnapshot::Step step;
    } left[] = {{hourByHandler, {"ora", "", ""}}, // the last: put back first
                {hour, {"ora", "", ""}},
                {action, {"azione", "ACQUISIZIONE NAVI ASSE", "OK"}}};
    for (const auto& [bytes, step] : left) {
        writeBytes(journal(), bytes);
        ASSERT_TRUE(rollBackLeftJournal());
        EXPECT_EQ(lastUndoneStep().kind, step.kind);
        EXPECT_EQ(lastUndoneStep().window, step.window);
        EXPECT_EQ(lastUndoneStep().control, step.control);
    }

    // The earlier headers: the magic and the campaign, with or without the step.
    const quint32 newHeader = qFromLittleEndian<quint32>(action.constData()) + 4 + 16;
    for (const QString& kind : {QString(), QStringLiteral("azione")}) {
        QByteArray header;
        QDataStream s(&header, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_0);
        s << quint32(0x5a574a32) << QStringLiteral("Prova");
        if (!kind.isEmpty()) s << kind;
        QByteArray block(4, Qt::Uninitialized);
        qToLittleEndian(quint32(header.size()), block.data());
        block += header + QCryptographicHash::hash(header, QCryptographicHash::Md5);
        writeBytes(journal(), block + action.mid(newHeader));
        writeBytes(campaign.game("ProvaNuovo.dat"), "after");
        ASSERT_TRUE(rollBackLeftJournal());
        EXPECT_EQ(lastUndoneStep().kind, kind);
        EXPECT_TRUE(lastUndoneStep().window.isEmpty() && lastUndoneStep().control.isEmpty());
        EXPECT_FALSE(QFile::exists(campaign.game("ProvaNuovo.dat"))) << "its entries put back";
    }
}
