// Every player action that saves, driven through its window's handler with the disk failing after N
// bytes, for every write the action makes (once, and with the disk staying full): the campaign is
// left as it was or as the action makes it, file by file, the tables in memory are as the action
// found them or what the files hold after it, and the message says which.
#include "ActionSetUps.h"
#include "CampaignState.h"
#include "SavingActions.h"
#include "common/CampaignJournal.h"
#include "common/ContactFiles.h"
#include "common/ContactRecord.h"
#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/combat/FormDanniNavi.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "game/combat/FrmPatrol.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/orders/FrmMine.h"
#include "game/orders/FrmPA.h"
#include "game/points/FrmMezziAerei.h"
#include "game/points/FrmMezziNavi.h"
#include "game/points/FrmPunti.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"
#include "game/points/FrnLineaV.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/game/combat/BaseAttackShips.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/game/start/WizardFixtures.h"

#include <QMainWindow>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

using namespace platform;
using namespace actionsetups;
using campaignstate::Files;
using campaignstate::Tables;
using savingactions::Moments;

namespace {

const QString kAsItWas = QStringLiteral("la partita è rimasta com'era");
const QString kNotPutBack = QStringLiteral("non ha potuto essere riportata com'era");

// A campaign record file's record length, 0 for a file written whole.
int recordLength(const QString& name) {
    if (name.startsWith(QStringLiteral("Stack")) || name.endsWith(QStringLiteral(".txt")) ||
        name.endsWith(QStringLiteral(".Stp")) || name.endsWith(QStringLiteral(".jnl")))
        return 0;
    if (name.startsWith(QStringLiteral("Navi"))) return ShipRecord::kLength;
    if (name.contains(QStringLiteral("Aerei")) || name.startsWith(u'P')) return AircraftRecord::kLength;
    if (name.endsWith(QStringLiteral("Contatto.dat"))) return ContactRecord::kLength;
    if (name.endsWith(QStringLiteral("Attivita.dat"))) return ActivityRecord::kLength;
    return -1; // not told apart here
}

// The runs of one action with the disk staying full, then failing once. What a failure with the
// disk staying full leaves before the next opening is the campaign as the writes before the
// failing one left it, which tells the writes apart: N doubles past the last write, then every gap
// between two failures that left different states is halved until it holds one boundary between
// two writes, and every write is failed once.
class Schedule {
  public:
    struct Failure {
        bool done = false; // nothing failed
        QByteArray state;  // the files left and the failure's cause
        Files files;
        QString failing; // the file whose write failed
    };
    struct Job {
        qint64 bytes;
        bool untilLifted;
    };

    std::optional<Job> next() {
        if (!seen_.contains(0)) return Job{0, true};
        if (!seen_.rbegin()->second.done) return Job{std::max<qint64>(64, seen_.rbegin()->first * 2), true};
        if (!halved_) {
            for (auto it = std::next(seen_.begin()); it != seen_.end(); ++it)
                gaps_.push_back({std::prev(it)->first, it->first});
            halved_ = true;
        }
        while (!gaps_.empty()) {
            const auto [a, b] = gaps_.back();
            const Failure &x = seen_.at(a), &y = seen_.at(b);
            if (x.state == y.state || b - a <= kResolution || oneWriteApart(x, y)) {
                gaps_.pop_back();
                continue;
            }
            return Job{(a + b) / 2, true};
        }
        if (once_.empty() && !onceListed_) {
            for (auto it = seen_.begin(); it != seen_.end() && !it->second.done; ++it)
                if (it == seen_.begin() || it->second.state != std::prev(it)->second.state)
                    once_.push_back(it->first);
            onceListed_ = true;
            writes_ = int(once_.size());
            std::reverse(once_.begin(), once_.end());
        }
        if (once_.empty()) return std::nullopt;
        const qint64 n = once_.back();
        once_.pop_back();
        return Job{n, false};
    }
    void result(const Job& job, const Failure& f) {
        if (!job.untilLifted) return;
        seen_[job.bytes] = f;
        if (halved_ && !gaps_.empty()) {
            const auto [a, b] = gaps_.back();
            gaps_.pop_back();
            gaps_.push_back({job.bytes, b});
            gaps_.push_back({a, job.bytes});
        }
    }
    int writes() const { return writes_; }
    // The fewest bytes after which a failure no longer falls on any write of the action.
    qint64 pastLastWrite() const {
        for (const auto& [bytes, f] : seen_)
            if (f.done) return bytes;
        return -1;
    }

  private:
    // Below the shortest write an action makes (an activity record, 14 bytes).
    static constexpr qint64 kResolution = 8;

    // Whether two failures are of two writes in a row: the later one left the campaign as the
    // earlier one did, but for the file that the earlier one failed to write (a text file or the
    // journal, written whole, or one record of a record file). The journal counts only between
    // two failures that could not take it back.
    static bool oneWriteApart(const Failure& a, const Failure& b) {
        if (a.done || a.failing.isEmpty()) return false;
        const bool journals = hasJournal(a.files) && hasJournal(b.files);
        QStringList names;
        for (const auto& [name, bytes] : a.files)
            if (!b.files.contains(name) || b.files.at(name) != bytes) names << name;
        for (const auto& [name, bytes] : b.files)
            if (!a.files.contains(name)) names << name;
        for (const QString& name : names)
            if (name != a.failing && (journals || !name.endsWith(QStringLiteral(".jnl")))) return false;
        const QString& name = a.failing;
        const int length = recordLength(name);
        if (!names.contains(name) || length == 0) return true;
        if (length < 0 || !a.files.contains(name) || !b.files.contains(name)) return false;
        const QByteArray &x = a.files.at(name), &y = b.files.at(name);
        const qsizetype common = std::min(x.size(), y.size());
        qsizetype first = 0, last = std::max(x.size(), y.size()) - 1;
        while (first < common && x[first] == y[first]) ++first;
        if (x.size() == y.size())
            while (last > first && x[last] == y[last]) --last;
        return first / length == last / length;
    }
    static bool hasJournal(const Files& files) {
        return std::any_of(files.begin(), files.end(),
                           [](const auto& f) { return f.first.endsWith(QStringLiteral(".jnl")); });
    }

    std::map<qint64, Failure> seen_;
    std::vector<std::pair<qint64, qint64>> gaps_;
    bool halved_ = false, onceListed_ = false;
    std::vector<qint64> once_;
    int writes_ = 0;
};

class ActionFailures : public ::testing::Test, public savingactions::Sweeper {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        failWritesAfter(-1);
        campaignstate::cleanUp();
    }

    // `make` writes the campaign; `run` is what the player does, run undisturbed and then again for
    // each failure of the schedule.
    void sweep(const std::function<void()>& make, const savingactions::Run& run) override {
        // A campaign of its own for each sweep.
        campaignstate::makeAnew(make);
        start_ = campaignstate::files();
        run_ = run;
        runs_ = 0;
        undisturbed();
        Schedule schedule;
        while (const auto job = schedule.next()) {
            if (HasFailure()) return;
            schedule.result(*job, runAt(*job));
        }
        RecordProperty("sweep" + std::to_string(++sweeps_),
                       "N 0.." + std::to_string(schedule.pastLastWrite()) + ", " +
                           std::to_string(schedule.writes()) + " writes, " + std::to_string(runs_) + " runs");
    }

    const testsupport::ProgramFolder& programFolder() const override { return *folder; }

    std::unique_ptr<testsupport::ProgramFolder> folder = campaignstate::programFolderInMemory();
    testsupport::Errors errors;

  private:
    // What the action left, as done() found it.
    struct Left {
        bool failed = false;
        Files files;
        Tables memory;
        QStringList messages;
        QString said;
    };

    // The campaign as `make` left it, the windows gone, and the action run with writes failing
    // after `bytes` (none when negative). `atArm` runs instead of the check that the set-up led to
    // the campaign as it was before the action.
    Left runAction(qint64 bytes, bool untilLifted, const std::function<void()>& atArm = {}) {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        testcampaign::choose();
        campaignstate::put(start_);
        setDiceSource([rng = std::mt19937(1234u)](int sides) mutable {
            return int(rng() % unsigned(std::max(sides, 1))) + 1;
        });
        errors.messages.clear();
        Left left;
        long long failures = 0;
        bool armed = false, done = false;
        Moments moments;
        moments.arm = [&] {
            armed = true;
            if (atArm)
                atArm();
            else
                EXPECT_TRUE(campaignstate::files() == before_)
                    << "the set-up did not lead to the same campaign: "
                    << campaignstate::differences(campaignstate::files(), before_);
            errors.messages.clear();
            failures = writeFailures();
            failWritesAfter(bytes, untilLifted);
        };
        moments.done = [&] {
            if (done || !armed) return;
            done = true;
            failWritesAfter(-1);
            left.failed = writeFailures() > failures;
            left.files = campaignstate::files();
            left.memory = Tables::inMemory();
            left.messages = errors.messages;
        };
        moments.said = [&](const QString& text) { left.said = text; };
        run_(moments);
        moments.done();
        failWritesAfter(-1);
        ++runs_;
        EXPECT_TRUE(armed) << "the action's click was not reached";
        // The files as the action left them, for the tables they hold.
        campaignstate::put(left.files);
        return left;
    }

    void undisturbed() {
        const Left left = runAction(-1, false, [this] {
            before_ = campaignstate::files();
            // What the windows held in memory ahead of the files (a purchase not yet confirmed) is
            // part of what a failed action leaves as it was.
            tablesBefore_ = Tables::inMemory();
        });
        ASSERT_FALSE(HasFailure());
        after_ = left.files;
        saidAfter_ = left.said;
        ASSERT_TRUE(left.messages.isEmpty()) << left.messages.join('\n').toStdString();
        ASSERT_FALSE(left.failed);
        ASSERT_TRUE(before_ != after_) << "the action changed nothing";
        expectTables(left.memory, Tables::inFiles());
        // What the next opening makes of the campaign as it was.
        campaignstate::put(before_);
        testcampaign::choose();
        loadCampaign();
        openedBefore_ = campaignstate::files();
    }

    // One failing run checked: the campaign as before or as after, the tables in memory those of
    // the files, the message true. What it left, for the schedule.
    Schedule::Failure runAt(const Schedule::Job& job) {
        SCOPED_TRACE(::testing::Message() << "failing after " << job.bytes << " bytes"
                                          << (job.untilLifted ? ", disk staying full" : ", once"));
        const Left left = runAction(job.bytes, job.untilLifted);
        if (!left.failed) {
            EXPECT_TRUE(left.files == after_) << campaignstate::differences(left.files, after_);
            EXPECT_TRUE(left.messages.isEmpty()) << left.messages.join('\n').toStdString();
            expectTables(left.memory, Tables::inFiles());
            return {true, {}, left.files, {}};
        }
        if (left.messages.isEmpty() && left.said != saidAfter_) {
            // A failure the handler met and told of itself: nothing may have changed.
            EXPECT_TRUE(left.files == before_) << campaignstate::differences(left.files, before_);
            expectTables(left.memory, tablesBefore_);
            return {false, campaignstate::checksum(left.files) + left.said.toUtf8(), left.files, {}};
        }
        EXPECT_EQ(left.messages.size(), 1) << left.messages.join("\n---\n").toStdString();
        const QString message = left.messages.value(0);
        const QString cause = message.section(u'\n', 0, 0);
        QString failing = QFileInfo(cause.section(QStringLiteral("il file "), 1)).fileName();
        if (failing.endsWith(u'.')) failing.chop(1);
        expectTables(left.memory, tablesBefore_);
        // Every file is kept in the journal before its first change: a write that failed with the
        // journal left behind finds its file kept there.
        const QString journal = journalFileName(G().CampaignName);
        if (left.files.contains(journal) && !failing.isEmpty() && failing != journal) {
            try {
                const CampaignSnapshot kept = CampaignSnapshot::fromBytes(left.files.at(journal), journal);
                EXPECT_TRUE(kept.covers(failing, std::numeric_limits<qint64>::max()))
                    << failing.toStdString() << " was written without being kept in the journal first";
            } catch (const FileError& e) {
                ADD_FAILURE() << e.what();
            }
        }
        if (left.files == before_) {
            EXPECT_TRUE(message.contains(kAsItWas)) << message.toStdString();
        } else {
            // Only a disk that stays full keeps the campaign from being put back at once; the next
            // opening puts it back.
            EXPECT_TRUE(job.untilLifted) << campaignstate::differences(left.files, before_);
            EXPECT_TRUE(message.contains(kNotPutBack) && !message.contains(kAsItWas))
                << message.toStdString();
            // The program stopped there (its windows may write as they close) and opened again.
            platform::testing::resetForms();
            campaignstate::put(left.files);
            testcampaign::choose();
            EXPECT_TRUE(loadCampaign());
            const Files opened = campaignstate::files();
            EXPECT_TRUE(opened == openedBefore_) << campaignstate::differences(opened, openedBefore_);
        }
        return {false, campaignstate::checksum(left.files) + cause.toUtf8(), left.files, failing};
    }

    static void expectTables(const Tables& memory, const Tables& files) {
        EXPECT_TRUE(memory == files) << "tables in memory / in the files: " << memory.firstDifference(files);
    }

    savingactions::Run run_;
    Files start_, before_, after_, openedBefore_;
    QString saidAfter_;
    Tables tablesBefore_;
    int runs_ = 0, sweeps_ = 0;
};

} // namespace

TEST_F(ActionFailures, ShipPurchase) {
    savingactions::ShipPurchase(*this);
}

TEST_F(ActionFailures, AircraftPurchase) {
    savingactions::AircraftPurchase(*this);
}

TEST_F(ActionFailures, ShipIntoAndOutOfAGroupFormingInPort) {
    savingactions::ShipIntoAndOutOfAGroupFormingInPort(*this);
}

TEST_F(ActionFailures, GroupDeparture) {
    savingactions::GroupDeparture(*this);
}

TEST_F(ActionFailures, ShipDockedFromAGroup) {
    savingactions::ShipDockedFromAGroup(*this);
}

TEST_F(ActionFailures, PortOrderAndDockyard) {
    savingactions::PortOrderAndDockyard(*this);
}

TEST_F(ActionFailures, SplitAndMerge) {
    savingactions::SplitAndMerge(*this);
}

TEST_F(ActionFailures, ScuttlingAndAssistance) {
    savingactions::ScuttlingAndAssistance(*this);
}

TEST_F(ActionFailures, PointTransfers) {
    savingactions::PointTransfers(*this);
}

TEST_F(ActionFailures, FlightLine) {
    savingactions::FlightLine(*this);
}

TEST_F(ActionFailures, CarrierLaunchAndMaltaFerry) {
    savingactions::CarrierLaunchAndMaltaFerry(*this);
}

TEST_F(ActionFailures, MinePurchase) {
    savingactions::MinePurchase(*this);
}

TEST_F(ActionFailures, ShipDamageEntry) {
    savingactions::ShipDamageEntry(*this);
}

TEST_F(ActionFailures, NavalAttackFromTheMap) {
    savingactions::NavalAttackFromTheMap(*this);
}

TEST_F(ActionFailures, SupervisorEdits) {
    savingactions::SupervisorEdits(*this);
}

TEST_F(ActionFailures, AttackWindows) {
    savingactions::AttackWindows(*this);
}

TEST_F(ActionFailures, TheWizardsLastStep) {
    savingactions::TheWizardsLastStep(*this);
}

TEST_F(ActionFailures, AirGroupFormedAndGroupsOrdered) {
    savingactions::AirGroupFormedAndGroupsOrdered(*this);
}
