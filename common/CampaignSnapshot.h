// The files of the open campaign held in memory, to put the campaign back as it was when a step
// that changes several of them fails halfway. Written to a file it is the journal of such a step
// (CampaignJournal.h): a header, then one entry for each file kept, each with its own checksum, so
// that entries can be added one at a time as the step reaches each file.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <map>

class CampaignSnapshot {
  public:
    // What is kept of the files that only grow (activity, contact and lost-ship records): their
    // bytes, or their length alone when nothing but records added at their end can change them.
    enum class Growing { Bytes, Length };
    // Reads every file of the open campaign (the files named by campaignFileNames) that exists.
    explicit CampaignSnapshot(Growing growing = Growing::Bytes);
    // Nothing kept yet, for the campaign `campaign`.
    static CampaignSnapshot empty(const QString& campaign);

    // Keeps the campaign file `fileName` as it is now, before a change from byte `from` on (a
    // missing file is kept as missing: putting back deletes it). Nothing when putBack already
    // undoes such a change; true when something was kept, whose entry is then lastEntry().
    bool keep(const QString& fileName, qint64 from);
    // Whether putBack undoes a change of the campaign file `fileName` (any letter case) from byte
    // `from` on. A file of the folder that is not the campaign's is not covered.
    bool covers(const QString& fileName, qint64 from) const;
    bool isEmpty() const { return files_.isEmpty(); }
    const QString& campaign() const { return campaign_; }
    // The step the snapshot was kept for, as the journal's header tells it.
    static constexpr const char* kHourStep = "ora";
    static constexpr const char* kActionStep = "azione";
    struct Step {
        // kHourStep or kActionStep; empty in a journal written before the header told it, which
        // only the hour wrote.
        QString kind;
        // An action's: what the player used to start it, as the screen showed it (the window's
        // caption, the control's or the menu item's words); empty when nothing told it, or in a
        // journal written before the header told it.
        QString window;
        QString control;
    };
    const Step& step() const { return step_; }
    void setStep(const Step& step) { step_ = step; }

    // putBack(), then reloadCampaignTables().
    void restore() const;
    // Closes every channel; then writes each file back as it was, cuts those kept by their length
    // back to it and deletes those that did not exist, each flushed to the disk. A file that
    // cannot be put back raises platform::FileError naming it, after the others have been put
    // back. Putting back twice does what once does.
    void putBack() const;

    // The snapshot as bytes: the header and every entry. headerBytes() and entryBytes() are its
    // parts, for a journal written one entry at a time.
    QByteArray toBytes() const;
    QByteArray headerBytes() const;
    QByteArray lastEntry() const;
    // Reads a journal back, for the open campaign only: a header of another campaign, a damaged
    // header or an entry naming a file outside the campaign folder raises platform::FileError
    // naming `path`. The entries end at the first one that is cut short or damaged: it was being
    // written when the program stopped, before the file it keeps was changed.
    static CampaignSnapshot fromBytes(const QByteArray& bytes, const QString& path);

  private:
    struct File {
        QString name;          // inside the campaign folder
        bool existed = false;  // false: deleted when put back
        bool byLength = false; // only `length` is kept: the file is cut back to it
        qint64 length = 0;
        QByteArray bytes;
    };
    explicit CampaignSnapshot(const QString& campaign) : campaign_(campaign) {}
    void add(const File& file);
    static QByteArray entryBytes(const File& file);
    QString campaign_;
    Step step_;
    QList<File> files_;
    QHash<QString, int> index_; // lower-case name -> file
    int last_ = -1;             // the file kept or kept again last
};

// Reads the group tables, the mine fields, the base table and the game state from the files.
void reloadCampaignTables();
