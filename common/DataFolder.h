// The program folder: the path globals, the names of a campaign's files, the existence test, and
// the reading and writing of one text file on a numbered channel.
#pragma once

#include "common/Globals.h"

#include <QStringList>
#include <functional>

// Channels with a fixed use.
constexpr int kChannelLists = 1;     // reference lists, set-up files, the slot file
constexpr int kChannelShips = 2;     // the side ship file, left open for the main window
constexpr int kChannelBaseTable = 3; // base table and game state
constexpr int kChannelGroups = 4;    // group tables, air-group names, mine file

// Builds the path globals from the program folder, in the order the start window needs them.
void buildPathGlobals();
// Creates the campaign folder and the group text folder when they are missing.
void makeDataFolders();

// StackPrefix & CampaignName & word: the group-table and base-table files of the open campaign.
QString stackFile(const QString& word);

// A campaign name as the new-campaign set-up takes it: letters A..Z and a..z only, 3 to 30 of
// them. Names read from files are held to the same rule.
constexpr int kCampaignNameMin = 3;
constexpr int kCampaignNameMax = 30;
bool isSafeCampaignName(const QString& name);
// GamesPath & fileName, for a file of the campaign `campaign` (the open one when null). Every
// campaign file's path is built here: a campaign name that breaks the rule above, or a file name
// that would lead out of the campaign folder (a separator, "..", a name made of words read from
// files), raises platform::FileError instead.
QString campaignPath(const QString& fileName, const QString& campaign = QString());
// The names (inside the campaign folder) of every file of the campaign `name`, in the order they
// are deleted; base aircraft files take their names from BaseNames.
QStringList campaignFileNames(const QString& name);
// Deletes those files and the campaign's journal from the campaign folder, skipping the missing
// ones; refuses (false, nothing deleted) a name that is not a safe campaign name.
bool deleteCampaignFiles(const QString& name);

// Existence test of the file named by ProbePath: when the file can be opened, every channel is
// closed and ProbePath becomes empty; otherwise ProbePath is left as it was.
void ApriFileProva();

// How a routine leaves the channels when it is done with a file.
enum class CloseRule { OwnChannel, AllChannels };

// Opens a text file for reading on a channel, reads it, and closes as the rule says, also when the
// reading fails (the error then goes on to the caller).
void readOnChannel(int channel, const QString& path, CloseRule rule,
                   const std::function<void(platform::TextReader&)>& read);
// Opens a text file for writing on a channel (created or emptied), writes it and closes as the
// rule says; the file is written whole when its channel closes. A file that already holds exactly
// those bytes is not written again.
void writeOnChannel(int channel, const QString& path, CloseRule rule,
                    const std::function<void(platform::TextWriter&)>& write);

// A whole number read from a text file into a 16-bit or 32-bit cell; a value that does not fit is
// an error naming the file, and the line when it is given (from 1).
Int16 readWhole16(platform::TextReader& r, int line = 0);
Int32 readWhole32(platform::TextReader& r, int line = 0);
