// File services: paths joined the old way (backslashes, any letter case), the Windows-1252 code
// page on disk, whole-file writes through a temporary file, text files of one value a line,
// random-access record files, and numbered channels.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

namespace platform {

// A file that is missing, short, unreadable or unwritable; the message names the file.
class FileError : public std::runtime_error {
  public:
    FileError(const QString& message, const QString& path);
    // `cause` is what went wrong without what became of the file (the message of a failed write
    // adds that the file stayed as it was).
    FileError(const QString& message, const QString& path, const QString& cause);
    QString message() const { return QString::fromUtf8(what()); }
    const QString& path() const { return path_; }
    // What went wrong: the cause given, else the whole message.
    QString cause() const { return cause_.isEmpty() ? message() : cause_; }

  private:
    QString path_;
    QString cause_;
};

// Windows-1252 <-> text. Characters the code page lacks become '?'.
QByteArray toCp1252(const QString& text);
QString fromCp1252(QByteArrayView bytes);

// The folder that holds the running program (tests may set another one).
QString appFolder();
void setAppFolder(const QString& folder);

// Turns a path written with backslashes in any letter case into the path of the file on disk:
// each existing component is matched without regard to case; missing components stay as written.
QString diskPath(const QString& path);
bool fileExists(const QString& path);
bool folderExists(const QString& path);
qint64 fileLength(const QString& path); // -1 when missing
// A file as one look at it finds it: its disk path, length and time of its last change.
struct FileStamp {
    QString path;
    qint64 length = 0;
    qint64 changedNs = 0; // nanoseconds since 1970
};
std::optional<FileStamp> fileStamp(const QString& path); // none when missing or not a file
bool deleteFile(const QString& path); // exact name only; false when there was nothing to delete
void makeFolder(const QString& path); // with its parents; no error when it exists
// Names of the files (not folders) directly inside a folder.
QStringList filesIn(const QString& folder);

// Writes a whole file through a temporary file renamed into place. Every byte written, the flush
// to the disk and the sizes before and after the rename are checked: any shortfall (a full disk)
// raises FileError naming the file, and the old file stays as it was. A file that already holds
// exactly these bytes is not written again.
void writeWholeFile(const QString& path, const QByteArray& bytes);
// Adds bytes at the end of a file (made when missing); on a failure the file is cut back to its
// old length and FileError names it. No bytes to add leave a file that is there alone.
void appendToFile(const QString& path, const QByteArray& bytes);
// Test seam: the write by the checked writers (whole files, appends, records) that would take
// the bytes written past `bytes` more writes only up to there and fails as on a full disk; the
// limit is lifted then (and by -1).
void failWritesAfter(qint64 bytes);
// Test seam: with `untilLifted`, every checked write after the one that fails fails too, as on a
// disk that stays full, until failWritesAfter(-1).
void failWritesAfter(qint64 bytes, bool untilLifted);
// Checked writes made since the program started (each write call of the checked writers).
long long checkedWrites();
// Test seam: the `n`-th checked write from now fails as on a full disk, writing nothing, and the
// writes after it go through; 0 disarms.
void failWrite(long long n);
// Test seam: the file layer's system calls of one kind (an open that makes or writes a file, a
// write, a flush of a file to the disk, a close, a rename, a flush of a folder) fail as the system
// fails them.
enum class DiskCall { Open, Write, Sync, Close, Rename, SyncFolder };
// The next call of that kind, after `through` more of them, fails with `error` (ENOSPC, EDQUOT,
// EIO ...), once; 0 lifts it.
void failNextDiskCall(DiskCall call, int error, int through = 0);
// Test seam: every change of a file inside `folder` (a file opened to be written, made, renamed, cut
// or removed, a folder made) fails with `error`, as a read-only file system (EROFS) or a folder the
// user may not write (EACCES) refuses it; its files can still be read. An empty folder lifts it.
void refuseChangesIn(const QString& folder, int error);
QByteArray readWholeFile(const QString& path); // FileError when missing or unreadable
// Checked writes that have failed since the program started: a caller that swallowed a failure
// can still tell that one happened.
long long writeFailures();
// What went wrong in the `n`-th of them (FileError::cause()): a caller that swallowed it can still
// tell it. Empty once several later ones have failed.
QString writeFailureCause(long long n);

// Whether this program can make and change files in the folder, whoever it runs as: false on a
// read-only file system, in a folder it may not write, or where there is no such folder. A full disk
// does not make a folder unwritable.
bool folderWritable(const QString& folder);
// What the player is told of an action refused because the campaign's folder cannot be written.
QString folderNotWritableMessage(const QString& folder);

// While set, the whole-file writer leaves the flushes to the disk (of the file and of its folder)
// to the caller, who flushes every file it changed at once (syncFile, syncFolder).
void setSyncsDeferred(bool deferred);
bool syncsDeferred();

// Flushes a file's bytes to the disk (a missing file passes); FileError when the disk refuses.
void syncFile(const QString& path);
// Flushes a folder's entries (files made, renamed or deleted) to the disk; FileError when the folder
// cannot be opened or the system refuses the flush (a file system that flushes no folders has
// nothing to flush).
void syncFolder(const QString& folder);
// Cuts a file back to `length` bytes and flushes it; FileError when it cannot, and the file ends as
// it was.
void cutFile(const QString& path, qint64 length);

// Told before the checked writers change a file (writeWholeFile, appendToFile, RecordFile::put,
// a RecordFile that makes its missing file, deleteFile): the file's disk path and the first byte
// that may change (0 for a whole file, a new one or a deletion; the old length for an append). It
// may refuse the change by throwing FileError: nothing is changed then. An empty one watches
// nothing.
using ChangeWatch = std::function<void(const QString& path, qint64 from)>;
void setChangeWatch(ChangeWatch watch);

// Text file of one value a line, CRLF: texts in double quotes, numbers bare.
class TextWriter {
  public:
    void writeText(const QString& value);     // "value"
    void writeNumber(long long value);        // 12, -3
    void writeReal(double value);             // plain number form
    void writeRaw(const QString& line);       // a line as it stands
    void writeValues(const QStringList& raw); // several raw values on one line, comma-separated
    const QByteArray& bytes() const { return bytes_; }
    void commit(const QString& path) const { writeWholeFile(path, bytes_); }

  private:
    QByteArray bytes_;
};

// Reads the values of a text file back in order. Values are separated by commas or line ends; a
// quoted value runs to its closing quote; an unquoted one is trimmed of blanks.
class TextReader {
  public:
    explicit TextReader(const QString& path); // FileError when missing
    TextReader(const QByteArray& bytes, const QString& name);
    QString readText();    // FileError when there is no value left
    long long readWhole(); // the value as a whole number (rounded half to even); FileError if not a number
    double readReal();
    QString readLine(); // the rest of the current line as it stands
    bool atEnd() const;
    const QString& path() const { return path_; }

  private:
    QString nextValue(bool* quoted);
    QString path_;
    QString text_;
    int pos_ = 0;
};

// A file of fixed-length records numbered from 1, opened for reading and writing in place. A file
// that cannot be written (a read-only disk or folder, a file the user may not write) is opened to
// be read, and a missing one that cannot be made reads as empty: a record written there with
// other bytes than it holds is refused (FileError naming the file and why).
class RecordFile {
  public:
    RecordFile(const QString& path, int recordLength); // created empty when missing
    int recordLength() const { return len_; }
    qint64 length() const;
    // File length / record length rounded to the nearest whole number (halves to even).
    int count() const;
    // A record read whole; bytes past the end of the file read as zero.
    QByteArray get(int record) const;
    // The bytes of a record that the file holds: fewer than the record length at its end, none
    // past it.
    QByteArray getPresent(int record) const;
    // The same bytes copied to `out` (room for a record): how many there were.
    qsizetype readPresent(int record, char* out) const;
    // A record written whole in place (cut or padded with blanks to the record length). A record
    // that cannot be written whole is taken back (FileError naming the file and the system's cause:
    // a full disk is called so). A record that holds these bytes already is not written again.
    void put(int record, const QByteArray& bytes);
    const QString& path() const { return path_; }

  private:
  public:
    struct Kept;

  private:
    // What a KeptRecordFiles keeps of the file while it lives (null when none lives), and the
    // file kept whole, if it is.
    Kept* keptEntry() const;
    const QByteArray* keptBytes() const;
    mutable Kept* keptEntry_ = nullptr;
    mutable std::uint64_t keptAt_ = 0;
    QString path_;
    int len_;
    // Why the file cannot be written (EROFS, EACCES ...); 0 when it can.
    int refused_ = 0;
    // Shared with the record files open on the same file while a KeptRecordFiles lives.
    std::shared_ptr<QFile> file_;
};

// While one lives, a file of at most 8 MiB (more than any campaign file) is read whole at its first
// read and kept, with every record written to it, until something else changes that file: a step
// that reads the ships of one group after another reads each file once. A record file once opened
// stays open for the record files opened on it later, until something else changes it; a file's
// length once looked up is known without another look. The folders' listings of the lookup without
// regard to case (diskPath) are trusted too, until this program changes a name, and so is whether a
// folder can be written. Only for steps during which no other program writes the files.
class KeptRecordFiles {
  public:
    KeptRecordFiles();
    ~KeptRecordFiles();
    KeptRecordFiles(const KeptRecordFiles&) = delete;
    KeptRecordFiles& operator=(const KeptRecordFiles&) = delete;

  private:
    bool outermost_;
};

// Raised when a channel is used that is not open, or open in another mode.
class ChannelError : public std::runtime_error {
  public:
    explicit ChannelError(const QString& what);
};

// Numbered file channels. Output channels write their file when closed (whole, through a
// temporary file); append channels add to the end when closed.
class Channels {
  public:
    Channels();
    ~Channels();
    Channels(const Channels&) = delete;
    Channels& operator=(const Channels&) = delete;

    void openInput(int channel, const QString& path);
    void openOutput(int channel, const QString& path);
    void openAppend(int channel, const QString& path);
    void openRandom(int channel, const QString& path, int recordLength);

    TextReader& input(int channel);
    TextWriter& output(int channel);
    RecordFile& random(int channel);

    bool isOpen(int channel) const;
    void close(int channel);
    void closeAll();
    int freeChannel() const;

    struct Channel;

  private:
    std::map<int, std::unique_ptr<Channel>> open_;
};

} // namespace platform
