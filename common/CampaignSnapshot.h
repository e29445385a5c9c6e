// The files of the open campaign held in memory, to put the campaign back as it was when a step
// that changes many of them fails halfway.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CampaignSnapshot {
  public:
    // Reads every file of the open campaign (the files named by campaignFileNames) that exists.
    CampaignSnapshot();
    // Writes each file back as it was and deletes those that did not exist, after closing every
    // channel; then reloads the group tables, the mine fields, the base table and the game state.
    // A file that cannot be put back raises platform::FileError naming it, after the others have
    // been put back.
    void restore() const;

  private:
    struct File {
        QString path;
        bool existed;
        QByteArray bytes;
    };
    QList<File> files_;
};
