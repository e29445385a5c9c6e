// The files of the open campaign held in memory, to put the campaign back as it was when a step
// that changes many of them fails halfway. Written to a file it is the journal of such a step
// (CampaignJournal.h).
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class CampaignSnapshot {
  public:
    // What is kept of the files that only grow (activity, contact and lost-ship records): their
    // bytes, or their length alone when nothing but records added at their end can change them.
    enum class Growing { Bytes, Length };
    // Reads every file of the open campaign (the files named by campaignFileNames) that exists.
    explicit CampaignSnapshot(Growing growing = Growing::Bytes);
    // putBack(), then reloadCampaignTables().
    void restore() const;
    // Closes every channel; then writes each file back as it was, cuts those kept by their length
    // back to it and deletes those that did not exist, each flushed to the disk. A file that
    // cannot be put back raises platform::FileError naming it, after the others have been put
    // back. Putting back twice does what once does.
    void putBack() const;
    // Whether putBack undoes a change of the campaign file `fileName` (any letter case) from byte
    // `from` on. A file of the folder that is not the campaign's is not covered.
    bool covers(const QString& fileName, qint64 from) const;

    // The snapshot as bytes, with a checksum; read back for the open campaign only. A damaged
    // file, one of another campaign or one naming a file outside the campaign folder raises
    // platform::FileError naming `path`.
    QByteArray toBytes() const;
    static CampaignSnapshot fromBytes(const QByteArray& bytes, const QString& path);

  private:
    struct Read {};
    explicit CampaignSnapshot(Read) {}
    void add(const QString& name, bool existed, bool byLength, qint64 length, const QByteArray& bytes);
    struct File {
        QString name;          // inside the campaign folder
        bool existed = false;  // false: deleted when put back
        bool byLength = false; // only `length` is kept: the file is cut back to it
        qint64 length = 0;
        QByteArray bytes;
    };
    QString campaign_;
    QList<File> files_;
    QHash<QString, int> index_; // lower-case name -> file
};

// Reads the group tables, the mine fields, the base table and the game state from the files.
void reloadCampaignTables();
