// Saves of the whole campaign tables held back for the length of a batch: while one is open,
// SalvaTabelleGruppi, SalvaDatiBasi and SalvaMine note that their files are due (channels are
// closed as the savers close them) and commit() writes each due file once. The hourly step opens
// one around the hour, so that an hour reaches the table files whole or not at all, and the dozens
// of saves its phases make cost one.
#pragma once

class SaveBatch {
  public:
    SaveBatch();
    // A batch closed without commit() writes nothing: what was due is dropped.
    ~SaveBatch();
    SaveBatch(const SaveBatch&) = delete;
    SaveBatch& operator=(const SaveBatch&) = delete;
    // Closes the batch and runs each saver that was called in it, in the order of first call.
    void commit();
};

// Called first by each saver: true when a batch is open (the save is noted as due).
bool holdSave(void (*saver)());
