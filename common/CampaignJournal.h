// The rollback journal of a step that changes many files of the open campaign (the hour). Before
// the step writes anything, what it may change is kept beside the campaign in one file flushed to
// the disk; removing that file is the step's commit. A campaign whose journal is still there was
// cut short in such a step (the program killed, the machine stopped, the undoing failed): it is
// put back as it was before the step before it is read or played again.
#pragma once

#include "CampaignSnapshot.h"

#include <QSet>
#include <QString>

// The journal's name in the campaign folder: the campaign's name & ".jnl".
QString journalFileName(const QString& campaign);

class CampaignJournal {
  public:
    // Keeps every file of the open campaign in memory and in the journal (the files that only
    // grow by their length), flushed to the disk. From then until commit or rollBack a change to a
    // file of the campaign folder that the journal cannot undo is refused with platform::FileError.
    CampaignJournal();
    // A journal neither committed nor rolled back stays on the disk for the next opening.
    ~CampaignJournal();
    CampaignJournal(const CampaignJournal&) = delete;
    CampaignJournal& operator=(const CampaignJournal&) = delete;
    // The step is whole: the files it changed are flushed to the disk, then the journal removed.
    void commit();
    // The step is undone: every file put back as it was (CampaignSnapshot::putBack), then the
    // journal removed. When a file cannot be put back, platform::FileError and the journal stays.
    void rollBack();

  private:
    void watch(const QString& path, qint64 from);
    CampaignSnapshot before_;
    QString path_;
    QString folder_;
    QSet<QString> changed_;
    bool watching_ = false;
};

// Removes the half-written copies of the open campaign's files that a killed program left; then,
// when the campaign has a journal left, puts every file back as it keeps them and removes it:
// true then. A damaged journal, or a file that cannot be put back, raises platform::FileError (the
// journal stays).
bool rollBackLeftJournal();
