// Saves of the whole campaign tables held back for the length of a batch: while one is open,
// SalvaTabelleGruppi, SalvaDatiBasi and SalvaMine note that their files are due (channels are
// closed as the savers close them) and commit() writes each due file once. Every transaction over
// the campaign's files holds one (CampaignJournal.h), so that an action or an hour reaches the
// table files whole or not at all, and the dozens of saves it makes cost one.
#pragma once

class SaveBatch {
  public:
    // A batch opened while another is open joins it: its commit() leaves the saves to the outer one.
    SaveBatch();
    // The outermost batch closed without commit() writes nothing: what was due is dropped.
    ~SaveBatch();
    SaveBatch(const SaveBatch&) = delete;
    SaveBatch& operator=(const SaveBatch&) = delete;
    // The outermost batch: closes and runs each saver that was called in it, in the order of first
    // call. A joined one: nothing.
    void commit();

  private:
    bool outermost_;
    bool open_ = true;
};

// Called first by each saver: true when a batch is open (the save is noted as due).
bool holdSave(void (*saver)());
// Called first by each loader of a saver's files: a save of them that is due is made now, so that
// the loader reads what the tables hold.
void saveNowIfDue(void (*saver)());
// The saves due are dropped (the changes they would save were undone).
void dropDueSaves();
