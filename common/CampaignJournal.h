// Transactions over the files of the open campaign: a player's action or an hour reaches the files
// whole or not at all. Before a file of the campaign folder first changes in a transaction, what it
// held is added to the transaction's journal beside the campaign (the campaign's name & ".jnl"),
// flushed to the disk; the commit flushes the changed files and the folder, then removes the
// journal. A campaign whose journal is still there was cut short in a transaction (the program
// killed, the machine stopped, the undoing failed): it is put back as it was before the
// transaction before it is read or played again.
#pragma once

#include "CampaignSnapshot.h"

#include <QString>
#include <memory>

// The journal's name in the campaign folder: the campaign's name & ".jnl".
QString journalFileName(const QString& campaign);

class CampaignTransaction {
  public:
    // OnFirstChange keeps each file as the transaction first reaches it; Everything keeps every
    // file of the campaign at once, in one flush (a step that changes most of them: the hour), and
    // commits what it joins, which has changed nothing before it.
    enum class Capture { OnFirstChange, Everything };
    // Opens a transaction over the files of the campaign named by CampaignName, or joins the one
    // open. Table saves are held in a SaveBatch until the commit.
    explicit CampaignTransaction(Capture capture = Capture::OnFirstChange);
    // The outermost one left with changes not committed rolls them back (quietly: a failure leaves
    // the journal for the next opening).
    ~CampaignTransaction();
    CampaignTransaction(const CampaignTransaction&) = delete;
    CampaignTransaction& operator=(const CampaignTransaction&) = delete;

    // The outermost one: the held table saves are made, the files changed and the folder are
    // flushed to the disk and the journal removed; the transaction stays open, with nothing in it.
    // A failure raises platform::FileError and leaves everything to rollBack(). A joined one:
    // nothing.
    void commit();
    // Every file changed in the transaction (joined or not) is put back as it was and the journal
    // removed; the tables in memory are read again. The transaction stays open, with nothing in
    // it. When a file cannot be put back, platform::FileError: the journal stays, and the tables
    // in memory are read as the files were before the transaction.
    void rollBack();
    // Whether a file has changed in the transaction since it opened or last committed.
    bool changed() const;

  private:
    bool outermost_;
    bool owns_ = false;
};

// Removes the half-written copies of the open campaign's files that a killed program left; then,
// when the campaign has a journal left, puts every file back as it keeps them and removes it:
// true then (false for a journal that keeps no file: nothing had changed). A damaged journal, or a file that
// cannot be put back, raises platform::FileError (the journal stays).
bool rollBackLeftJournal();
// The step whose journal rollBackLeftJournal last put back, as the journal's header tells it: the
// hour or an action, and what the player used to start the action (CampaignSnapshot::Step).
const CampaignSnapshot::Step& lastUndoneStep();

// A change the open transaction makes in memory and saves only later (a window that saves as it
// closes): in a campaign whose folder cannot be written it is refused now, before anything changes,
// as a write would be, and told once by the handler; the window is then left with nothing to save.
// Outside a transaction, nothing.
void aboutToChangeCampaign();

// From now on every outermost handler of the program's windows runs as one transaction over the
// campaign's files while G().CampaignOpen is set: a failure rolls it back, and its message says
// whether the campaign is as it was. Its journal tells what started it (platform::handlerSource). A window
// shown modal by a handler commits what the handler did so far; its own handlers are transactions of their
// own.
void runHandlersAsTransactions();
