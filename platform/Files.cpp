#include "Files.h"

#include "DiskSteps.h"
#include "HeldWrites.h"
#include "Numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {
// The message as the player reads it: the file's path, built with the game's "\\" inside a folder
// of this system's "/", shown with one separator throughout.
std::string shownMessage(const QString& message, const QString& path) {
    if (path.isEmpty() || !path.contains(u'/') || !path.contains(u'\\')) return message.toStdString();
    return QString(message).replace(path, QString(path).replace(u'\\', u'/')).toStdString();
}
} // namespace

FileError::FileError(const QString& message, const QString& path)
    : std::runtime_error(shownMessage(message, path)), path_(path) {}

FileError::FileError(const QString& message, const QString& path, const QString& cause)
    : std::runtime_error(shownMessage(message, path)), path_(path), cause_(cause) {}

ChannelError::ChannelError(const QString& what) : std::runtime_error(what.toStdString()) {}

// ---------------------------------------------------------------- code page

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes (read as the same code point).
const char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
} // namespace

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(b);
    }
    return out;
}

QString fromCp1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *to++ = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b);
    }
    return out;
}

// ---------------------------------------------------------------- paths

namespace {
QString& appFolderRef() {
    static QString folder;
    return folder;
}
} // namespace

QString appFolder() {
    QString& f = appFolderRef();
    if (f.isEmpty() && QCoreApplication::instance()) f = QCoreApplication::applicationDirPath();
    return f;
}

void setAppFolder(const QString& folder) {
    appFolderRef() = folder;
}

namespace {
// The path with forward slashes and no doubled ones.
QString forwardSlashes(const QString& path) {
    QString p = path;
    p.replace(u'\\', u'/');
    while (p.contains("//")) p.replace("//", "/");
    return p;
}

// One stat of the path as written: when it is there, it is its own disk path (see diskPath), and
// the hour's many looks at the same files need nothing more.
bool statAsWritten(const QString& path, struct stat* st) {
    const QString p = forwardSlashes(path);
    return !p.isEmpty() && ::stat(QFile::encodeName(p).constData(), st) == 0;
}

struct Held {
    bool holding = false;
    std::vector<HeldWrite> writes; // few: a run of table saves
};

Held& held() {
    static Held h;
    return h;
}

// The bytes held for a disk path, if any.
QByteArray* heldFor(const QString& diskPath) {
    for (HeldWrite& w : held().writes)
        if (w.first == diskPath) return &w.second;
    return nullptr;
}

// The names a folder holds, as last listed. The other two programs may make or rename a file in the
// folder at any moment, and a file system's time stamps may be too coarse to tell (two seconds on
// some): so a lookup without regard to case checks a name it matched with a stat of that name, and
// lists the folder again when that name is gone or when no name matches. This program forgets every
// listing when it makes, renames or removes a file. While record files are kept (KeptRecordFiles: a
// step during which no other program writes the files) the listings are trusted as they are.
std::map<QString, QStringList>& listings() {
    static std::map<QString, QStringList> l;
    return l;
}

bool& listingsTrusted() {
    static bool trusted = false;
    return trusted;
}

// The names of the files made while the listings are trusted (in lower case): a listing of the
// same folder under another spelling of its path has not seen them.
std::set<QString>& namesMade() {
    static std::set<QString> n;
    return n;
}

void forgetListings() {
    listings().clear();
}

// This program is about to make, rename or remove a file: between steps every listing is
// forgotten, to be listed anew at its next lookup.
void namesChanging() {
    if (!listingsTrusted()) forgetListings();
}

// This program made the file at the disk path `p`, or removed it: while the listings are trusted,
// its folder's listing takes the change (a folder not listed yet is listed at its first lookup).
void nameChanged(const QString& p, bool made) {
    if (!listingsTrusted()) return;
    const qsizetype slash = p.lastIndexOf(u'/');
    const QString name = p.mid(slash + 1);
    if (made) namesMade().insert(name.toLower());
    if (slash <= 0) {
        forgetListings();
        return;
    }
    const auto it = listings().find(p.left(slash));
    if (it == listings().end()) return;
    if (!made)
        it->second.removeAll(name);
    else if (!it->second.contains(name))
        it->second << name;
}

std::optional<QString> matchIn(const QStringList& names, const QString& part) {
    for (const QString& n : names)
        if (n.compare(part, Qt::CaseInsensitive) == 0) return n;
    return std::nullopt;
}

// The name in the folder that matches part without regard to case, if any.
std::optional<QString> nameIn(const QString& path, const QString& part) {
    const QString folder = path.isEmpty() ? QStringLiteral(".") : path;
    if (const auto it = listings().find(folder); it != listings().end()) {
        const std::optional<QString> n = matchIn(it->second, part);
        if (listingsTrusted()) return n;
        struct stat st {};
        if (n && ::lstat(QFile::encodeName(folder + u'/' + *n).constData(), &st) == 0) return n;
    }
    // Only a folder that is there as written is listed.
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        listings().erase(folder);
        return std::nullopt;
    }
    QStringList& names = listings()[folder];
    names.clear();
    while (const dirent* e = ::readdir(dir))
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names << QFile::decodeName(e->d_name);
    ::closedir(dir);
    return matchIn(names, part);
}

QString diskPathNotAsWritten(const QString& p, const QString& path);
} // namespace

QString diskPath(const QString& path) {
    const QString p = forwardSlashes(path);
    if (p.isEmpty()) return p;
    const qsizetype slash = p.lastIndexOf(u'/');
    // While the listings are trusted, a folder is listed once and not looked at again.
    if (listingsTrusted() && slash > 0 && slash < p.size() - 1 && !p.endsWith(u'.')) {
        const QString folder = p.left(slash), part = p.mid(slash + 1);
        // A folder not listed yet is listed only for a name not there as written.
        if (!listings().count(folder)) {
            struct stat st {};
            if (::stat(QFile::encodeName(p).constData(), &st) == 0) return p;
            nameIn(folder, part);
        }
        if (const auto it = listings().find(folder); it != listings().end()) {
            if (it->second.contains(part)) return p;
            return folder + u'/' + matchIn(it->second, part).value_or(part);
        }
    }
    // A path that exists as written is its own disk path: every folder on the way exists too.
    if (QFileInfo::exists(p)) return p;
    return diskPathNotAsWritten(p, path);
}

namespace {
// The disk path of `p` (forward slashes, not empty: `path` as asked) when it is not there as written.
QString diskPathNotAsWritten(const QString& p, const QString& path) {
    // Most often the folder is there as written and only the last name differs, or is missing: the
    // folder is listed then (a folder that is not there cannot be).
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash > 0 && slash < p.size() - 1) {
        const QString folder = p.left(slash), part = p.mid(slash + 1);
        if (part != u'.' && part != QLatin1String("..")) {
            const std::optional<QString> n = nameIn(folder, part);
            if (listings().count(folder)) return folder + u'/' + n.value_or(part);
        }
    }
    const bool absolute = p.startsWith(u'/');
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString cur = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next = cur.isEmpty() ? part : (cur.endsWith(u'/') ? cur + part : cur + u'/' + part);
        if (matching && !QFileInfo::exists(next) && part != "." && part != "..") {
            if (const std::optional<QString> n = nameIn(cur, part))
                next = cur.isEmpty() ? *n : (cur.endsWith(u'/') ? cur + *n : cur + u'/' + *n);
            else
                matching = false;
        }
        cur = next;
    }
    if (path.endsWith(u'\\') || path.endsWith(u'/')) cur += u'/';
    return cur;
}

// While the listings are trusted, a file that its folder's listing does not hold is not there:
// the hour looks for the files a campaign may have once, when it lists the folder.
bool missingByListing(const QString& path) {
    if (!listingsTrusted()) return false;
    const QString p = forwardSlashes(path);
    const qsizetype slash = p.lastIndexOf(u'/');
    if (slash <= 0 || slash >= p.size() - 1 || p.endsWith(u'.')) return false;
    const QString folder = p.left(slash), part = p.mid(slash + 1);
    if (namesMade().count(part.toLower())) return false;
    if (!listings().count(folder)) nameIn(folder, part);
    const auto it = listings().find(folder);
    return it != listings().end() && !matchIn(it->second, part);
}

// The length of a file kept, or kept open, while a KeptRecordFiles lives, when known; -1 else.
qint64 keptLength(const QString& path);
void keepLength(const QString& path, qint64 length);

// One look at the file at `path`, in any letter case: a stat of the path as written, and only
// when that finds nothing, of the name its folder's listing holds. `disk`, when given, takes the
// path found.
bool lookAt(const QString& path, struct stat* st, QString* disk = nullptr) {
    const QString p = forwardSlashes(path);
    if (p.isEmpty()) return false;
    if (::stat(QFile::encodeName(p).constData(), st) == 0) {
        if (disk) *disk = p;
        return true;
    }
    const QString found = diskPathNotAsWritten(p, path);
    if (found == p || found == p + u'/' || ::stat(QFile::encodeName(found).constData(), st) != 0)
        return false;
    if (disk) *disk = found;
    return true;
}
} // namespace

bool fileExists(const QString& path) {
    if (missingByListing(path)) return false;
    if (keptLength(path) >= 0) return true;
    struct stat st {};
    return lookAt(path, &st) && S_ISREG(st.st_mode);
}

bool folderExists(const QString& path) {
    struct stat st {};
    return lookAt(path, &st) && S_ISDIR(st.st_mode);
}

qint64 fileLength(const QString& path) {
    if (!held().writes.empty())
        if (const QByteArray* bytes = heldFor(diskPath(path))) return bytes->size();
    if (missingByListing(path)) return -1;
    if (const qint64 kept = keptLength(path); kept >= 0) return kept;
    struct stat st {};
    if (statAsWritten(path, &st)) {
        if (S_ISREG(st.st_mode)) keepLength(path, st.st_size);
        return st.st_size;
    }
    return lookAt(path, &st) ? st.st_size : -1;
}

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat st {};
    FileStamp stamp;
    if (!lookAt(path, &st, &stamp.path) || !S_ISREG(st.st_mode)) return std::nullopt;
    stamp.length = st.st_size;
    stamp.changedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return stamp;
}

// ---------------------------------------------------------------- disk steps

namespace {
enum class Step { Create, Write, Truncate, Sync, SyncFolder, Rename, Remove, MakeFolder };

// The power loss's model: files as nodes that names point to. A file's bytes are those it held
// when first met or last flushed, and its writes since; a folder's name changes since its last
// flush can each be undone.
class PowerModel {
  public:
    void step(Step kind, const QString& path, qint64 at, const char* data, qint64 size, const QString& to) {
        const QString p = absolute(path);
        switch (kind) {
        case Step::Create:
            names_[p] = int(nodes_.size());
            nodes_.push_back({});
            change(folderOf(p), {NameChange::Made, p, {}, names_[p], -1});
            break;
        case Step::Write:
        case Step::Truncate:
            if (const int n = node(p); n >= 0)
                nodes_[n].pending.push_back({kind == Step::Truncate, at, QByteArray(data, data ? size : 0)});
            break;
        case Step::Sync:
            if (const int n = node(p); n >= 0) {
                nodes_[n].durable = bytesOf(nodes_[n], nodes_[n].pending.size());
                nodes_[n].pending.clear();
            }
            break;
        case Step::SyncFolder:
            if (const auto it = changes_.find(p); it != changes_.end()) it->second.clear();
            break;
        case Step::Rename: {
            const QString target = absolute(to);
            const int n = node(p), replaced = node(target);
            if (n < 0) break;
            names_.erase(p);
            names_[target] = n;
            change(folderOf(target), {NameChange::Renamed, target, p, n, replaced});
            break;
        }
        case Step::Remove:
            if (const int n = node(p); n >= 0) {
                names_.erase(p);
                change(folderOf(p), {NameChange::Removed, p, {}, n, -1});
            }
            break;
        case Step::MakeFolder:
            change(folderOf(p), {NameChange::FolderMade, p, {}, -1, -1});
            break;
        }
    }

    // The disk rewritten as the power loss leaves it.
    void lose(const KeptChanges& keep) {
        std::map<QString, int> names = names_;
        QStringList foldersGone;
        for (const QString& folder : folderOrder_) {
            const std::vector<NameChange>& c = changes_[folder];
            const int kept = std::clamp(keep(int(c.size())), 0, int(c.size()));
            for (int i = int(c.size()) - 1; i >= kept; --i) {
                const NameChange& x = c[size_t(i)];
                switch (x.kind) {
                case NameChange::Made:
                    names.erase(x.name);
                    break;
                case NameChange::Renamed:
                    names[x.from] = x.node;
                    if (x.replaced >= 0)
                        names[x.name] = x.replaced;
                    else
                        names.erase(x.name);
                    break;
                case NameChange::Removed:
                    names[x.name] = x.node;
                    break;
                case NameChange::FolderMade:
                    foldersGone << x.name;
                    break;
                }
            }
        }
        std::vector<QByteArray> bytes(nodes_.size());
        for (size_t n = 0; n < nodes_.size(); ++n) {
            const size_t pending = nodes_[n].pending.size();
            bytes[n] = bytesOf(nodes_[n], size_t(std::clamp(keep(int(pending)), 0, int(pending))));
        }
        for (const auto& [path, n] : names_)
            if (!names.contains(path)) ::unlink(QFile::encodeName(path).constData());
        for (const auto& [path, n] : names) {
            const int fd =
                ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
            if (fd < 0) continue;
            for (qsizetype done = 0; done < bytes[size_t(n)].size();) {
                const ssize_t w =
                    ::write(fd, bytes[size_t(n)].constData() + done, size_t(bytes[size_t(n)].size() - done));
                if (w <= 0) break;
                done += w;
            }
            ::close(fd);
        }
        for (const QString& folder : foldersGone) QDir(folder).removeRecursively();
    }

  private:
    struct Write {
        bool truncate;
        qint64 at; // -1: at the end
        QByteArray bytes;
    };
    struct Node {
        QByteArray durable;
        std::vector<Write> pending;
    };
    struct NameChange {
        enum Kind { Made, Renamed, Removed, FolderMade } kind;
        QString name, from;
        int node, replaced;
    };

    static QString absolute(const QString& path) {
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    static QString folderOf(const QString& p) { return p.left(std::max<qsizetype>(p.lastIndexOf(u'/'), 1)); }

    // The node a name points to; a file first met is kept as the disk holds it.
    int node(const QString& p) {
        if (const auto it = names_.find(p); it != names_.end()) return it->second;
        QFile f(p);
        if (!QFileInfo(p).isFile() || !f.open(QIODevice::ReadOnly)) return -1;
        nodes_.push_back({f.readAll(), {}});
        return names_[p] = int(nodes_.size()) - 1;
    }

    void change(const QString& folder, NameChange c) {
        if (!changes_.contains(folder)) folderOrder_ << folder;
        changes_[folder].push_back(std::move(c));
    }

    static QByteArray bytesOf(const Node& n, size_t writes) {
        QByteArray b = n.durable;
        for (size_t i = 0; i < writes; ++i) {
            const Write& w = n.pending[i];
            if (w.truncate) {
                b.resize(w.at);
                continue;
            }
            const qint64 at = w.at < 0 ? b.size() : w.at;
            if (b.size() < at + w.bytes.size()) b.resize(at + w.bytes.size(), '\0');
            std::memcpy(b.data() + at, w.bytes.constData(), size_t(w.bytes.size()));
        }
        return b;
    }

    std::vector<Node> nodes_;
    std::map<QString, int> names_; // absolute path -> node
    std::map<QString, std::vector<NameChange>> changes_;
    QStringList folderOrder_;
};

struct Crash {
    long long steps = 0;
    long long at = 0; // the step before which the process ends; 0: none
    KeptChanges power;
    std::optional<PowerModel> model;
};

Crash& crash() {
    static Crash c;
    return c;
}

// Told just before each step that changes the disk: counts it, ends the process where a test's
// crash is armed, and notes it for the power loss's model.
void diskStep(Step kind, const QString& path, qint64 at = 0, const char* data = nullptr, qint64 size = 0,
              const QString& to = {}) {
    Crash& c = crash();
    if (++c.steps == c.at) {
        if (c.power && c.model) c.model->lose(c.power);
        ::_exit(kCrashExitCode);
    }
    if (c.model) c.model->step(kind, path, at, data, size, to);
}
} // namespace

long long diskSteps() {
    return crash().steps;
}

void crashBeforeStep(long long step, KeptChanges power) {
    Crash& c = crash();
    c.at = step > 0 ? c.steps + step : 0;
    c.power = std::move(power);
    if (c.power) trackPowerLoss();
}

void trackPowerLoss() {
    crash().model.emplace();
}

void losePower(const KeptChanges& power) {
    if (crash().model) crash().model->lose(power);
    crash().model.reset();
}

namespace {
ChangeWatch& changeWatch() {
    static ChangeWatch watch;
    return watch;
}

} // namespace

// The longest file kept whole in memory while a KeptRecordFiles lives: more than any file a
// campaign may hold (a record file of 32,767 records of 179 bytes is 5.6 MiB), so that the records,
// the checks and the journal of a campaign of any size share one read of each file.
constexpr qint64 kWholeReadLimit = 8 << 20;

struct RecordFile::Kept {
    QByteArray bytes; // null: not kept (not read yet, too long, or unreadable)
    bool tooLong = false;
    qint64 length = -1; // -1: not known yet (known of a record file open, or of a file looked up)
    std::shared_ptr<QFile> open;
    int refused = 0; // why the file open cannot be written (RecordFile::refused_)
};

namespace {
using KeptFile = RecordFile::Kept;

// The record files kept whole, while a KeptRecordFiles lives.
std::optional<std::map<QString, KeptFile>>& kept() {
    static std::optional<std::map<QString, KeptFile>> k;
    return k;
}

// Moves on whenever a kept file is forgotten, or the kept files begin or end: a record file's
// own pointer to its kept file is good while it was taken at the present count.
std::uint64_t& keptGeneration() {
    static std::uint64_t n = 0;
    return n;
}

// A kept file by its path cleaned of "." and ".." and doubled separators: the file is the same
// whichever way a caller spells the folders on its way.
QString keptKey(const QString& path) {
    return QDir::cleanPath(forwardSlashes(path));
}

KeptFile& keptFor(const QString& path) {
    return (*kept())[keptKey(path)];
}

qint64 keptLength(const QString& path) {
    if (!kept()) return -1;
    const auto it = kept()->find(keptKey(path));
    if (it == kept()->end()) return -1;
    const KeptFile& k = it->second;
    if (!k.bytes.isNull()) return k.bytes.size();
    return !k.open || k.open->bytesToWrite() == 0 ? k.length : -1;
}

// A file's length found by a look at the disk, kept while files are kept: every change of the
// file through this layer forgets it, or (a record written) follows it.
void keepLength(const QString& path, qint64 length) {
    if (kept()) keptFor(path).length = length;
}

// A kept file changed otherwise than by a record written to it is read again at its next read.
void forgetKept(const QString& path) {
    if (!kept()) return;
    if (kept()->erase(keptKey(path))) ++keptGeneration();
}

void changing(const QString& path, qint64 from) {
    if (const ChangeWatch& watch = changeWatch()) watch(path, from);
    forgetKept(path);
}
} // namespace

void setChangeWatch(ChangeWatch watch) {
    changeWatch() = std::move(watch);
}

// ---------------------------------------------------------------- the system's refusals

namespace {
struct CallFailure {
    std::optional<DiskCall> call;
    int error = 0;
    int through = 0; // calls of that kind let through first
};

CallFailure& nextCallFailure() {
    static CallFailure f;
    return f;
}

// The error a test has the next call of this kind fail with, taken; 0 when none.
int seamFailure(DiskCall call) {
    CallFailure& f = nextCallFailure();
    if (f.call != call) return 0;
    if (f.through > 0) {
        --f.through;
        return 0;
    }
    return std::exchange(f, {}).error;
}

struct RefusedFolder {
    QString folder; // absolute, clean
    int error = 0;
};

RefusedFolder& refusedFolder() {
    static RefusedFolder r;
    return r;
}

// The error with which the test's read-only folder refuses a change of the file at `p`; 0 else.
int refusedChange(const QString& p) {
    const RefusedFolder& r = refusedFolder();
    if (r.error == 0) return 0;
    const QString file = QDir::cleanPath(QFileInfo(p).absoluteFilePath());
    return file == r.folder || file.startsWith(r.folder + u'/') ? r.error : 0;
}

// The error with which the test's read-only folder refuses to open the file at `p` to be written,
// when it is there (a missing one is missing first).
int refusedRewrite(const QString& p) {
    const int error = refusedChange(p);
    return error && QFileInfo::exists(p) ? error : 0;
}

// The error with which the seams refuse to open the file at `p` to make or write it; 0 else.
int refusedOpen(const QString& p) {
    if (const int error = refusedChange(p)) return error;
    return seamFailure(DiskCall::Open);
}

// Errors of a disk or a folder that cannot be written, as against a file that cannot be had.
bool readOnlyError(int error) {
    return error == EROFS || error == EACCES || error == EPERM;
}

// Why this program cannot make files in the folder at disk path `p`: the system's error, 0 when
// it can. The disk's read-only flag first; then an unnamed file is made there and dropped, which
// asks the system itself (whoever the program runs as: root may write where the folder's mode
// says no one may); where the file system makes no unnamed files, a named one is made and removed.
int folderRefusal(const QString& p) {
    if (const int error = refusedChange(p + QStringLiteral("/probe"))) return error;
    const QByteArray folder = QFile::encodeName(p);
    struct statvfs disk {};
    if (::statvfs(folder.constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY)) return EROFS;
    int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return 0;
    }
    int error = errno;
    if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL) {
        for (int tries = 0; tries < 100; ++tries) {
            const QByteArray probe =
                folder + "/.zeltwar-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(tries);
            fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0) {
                ::close(fd);
                ::unlink(probe.constData());
                return 0;
            }
            error = errno;
            if (error != EEXIST) break;
        }
    }
    // A full disk can still be written once it has room again.
    return error == ENOSPC || error == EDQUOT ? 0 : error;
}

// What folderRefusal found of each folder while the listings are trusted: during such a step no
// other program changes the folders, and the step asks again for each file it makes.
std::map<QString, int>& refusalsFound() {
    static std::map<QString, int> found;
    return found;
}

int folderRefusalOnce(const QString& p) {
    if (!listingsTrusted()) return folderRefusal(p);
    if (const int error = refusedChange(p + QStringLiteral("/probe"))) return error;
    const auto it = refusalsFound().find(p);
    return it != refusalsFound().end() ? it->second : (refusalsFound()[p] = folderRefusal(p));
}
} // namespace

void failNextDiskCall(DiskCall call, int error, int through) {
    nextCallFailure() = error != 0 ? CallFailure{call, error, through} : CallFailure{};
}

void refuseChangesIn(const QString& folder, int error) {
    refusedFolder() =
        folder.isEmpty() || error == 0
            ? RefusedFolder{}
            : RefusedFolder{QDir::cleanPath(QFileInfo(diskPath(folder)).absoluteFilePath()), error};
}

bool folderWritable(const QString& folder) {
    return folderRefusalOnce(diskPath(folder)) == 0;
}

QString folderNotWritableMessage(const QString& folder) {
    return QStringLiteral("La cartella della partita %1 non può essere scritta: l'azione non è stata "
                          "compiuta e la partita è rimasta com'era. La partita si può consultare; per "
                          "giocarla, la cartella deve poter essere scritta.")
        .arg(QDir::cleanPath(diskPath(folder)));
}

bool deleteFile(const QString& path) {
    const QString p = diskPath(path);
    struct stat st {};
    if (::stat(QFile::encodeName(p).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (refusedChange(p)) return false;
    changing(p, 0);
    namesChanging();
    diskStep(Step::Remove, p);
    if (!QFile::remove(p)) return false;
    nameChanged(p, false);
    return true;
}

void makeFolder(const QString& path) {
    const QString p = diskPath(path);
    forgetListings();
    if (!QFileInfo(p).isDir() && refusedChange(p))
        throw FileError(QStringLiteral("Impossibile creare la cartella %1").arg(p), p);
    if (!QFileInfo(p).isDir()) {
        // The first folder of the path that is missing is the one made, with what lies in it.
        QString first = QDir::cleanPath(QFileInfo(p).absoluteFilePath());
        while (!QFileInfo(QFileInfo(first).absolutePath()).isDir()) first = QFileInfo(first).absolutePath();
        diskStep(Step::MakeFolder, first);
    }
    if (!QDir().mkpath(p)) throw FileError(QStringLiteral("Impossibile creare la cartella %1").arg(p), p);
}

QStringList filesIn(const QString& folder) {
    QString p = diskPath(folder);
    while (p.size() > 1 && p.endsWith(u'/')) p.chop(1);
    if (p.isEmpty()) p = QStringLiteral(".");
    // Listed once for both: the names are the lookup's listing of the folder too.
    DIR* dir = ::opendir(QFile::encodeName(p).constData());
    if (!dir) {
        listings().erase(p);
        return {};
    }
    QStringList names, files;
    while (const dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
        const QString name = QFile::decodeName(e->d_name);
        names << name;
        // Everything but a folder, or a link to one: a link that leads nowhere is listed too.
        bool file = e->d_type != DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            struct stat st {};
            file = ::stat(QFile::encodeName(p + u'/' + name).constData(), &st) != 0 || !S_ISDIR(st.st_mode);
        }
        if (file) files << name;
    }
    ::closedir(dir);
    listings()[p] = names;
    files.sort(Qt::CaseSensitive);
    return files;
}

// ---------------------------------------------------------------- checked writes

namespace {
qint64& writeBudget() {
    static qint64 budget = -1;
    return budget;
}

bool& budgetSticks() {
    static bool sticks = false;
    return sticks;
}

// Bytes the next write may pass to the disk: all of them, unless a test has set a budget. The
// write that runs out of it is the one that fails; the budget is lifted then, as when a full disk
// gets space again, so that what undoes the failure can write.
long long& checkedWriteCount() {
    static long long n = 0;
    return n;
}

long long& failingWrite() {
    static long long n = 0;
    return n;
}

qint64 allowedBytes(qint64 wanted) {
    if (++checkedWriteCount() == failingWrite()) {
        failingWrite() = 0;
        return 0;
    }
    qint64& budget = writeBudget();
    if (budget < 0) return wanted;
    const qint64 n = std::min(wanted, budget);
    budget = n < wanted && !budgetSticks() ? -1 : budget - n;
    return n;
}

long long& failures() {
    static long long n = 0;
    return n;
}

// The causes of the last failures, the n-th at n % kCausesKept.
constexpr int kCausesKept = 8;
std::array<QString, kCausesKept>& failureCauses() {
    static std::array<QString, kCausesKept> causes;
    return causes;
}

// A failure counted, with its cause.
void countFailure(const QString& cause) {
    failureCauses()[size_t(++failures() % kCausesKept)] = cause;
}

bool& deferred() {
    static bool d = false;
    return d;
}

// The error of a write that failed: what went wrong, in the player's words where the system's
// error is a full disk or a disk or file that cannot be written, and that the file stayed as it was.
FileError writeFailure(const QString& path, int error) {
    QString cause;
    if (error == ENOSPC || error == EDQUOT)
        cause = QStringLiteral("Disco pieno: impossibile scrivere il file %1").arg(path);
    else if (error == EROFS)
        cause = QStringLiteral("Impossibile scrivere il file %1: il disco è in sola lettura").arg(path);
    else if (error == EACCES || error == EPERM)
        cause = QStringLiteral("Impossibile scrivere il file %1: permesso negato").arg(path);
    else
        cause = QStringLiteral("Impossibile scrivere il file %1 (%2)")
                    .arg(path, QString::fromLocal8Bit(std::strerror(error)));
    countFailure(cause);
    return FileError(cause + QStringLiteral("; il file è rimasto com'era."), path, cause);
}

// The error of a flush of a folder that failed: what was made, renamed or removed in it may not
// be on the disk.
FileError folderSyncFailure(const QString& folder, int error) {
    const QString cause =
        error == ENOSPC || error == EDQUOT
            ? QStringLiteral("Disco pieno: impossibile registrare sul disco la cartella %1").arg(folder)
            : QStringLiteral("Impossibile registrare sul disco la cartella %1 (%2)")
                  .arg(folder, QString::fromLocal8Bit(std::strerror(error)));
    countFailure(cause);
    return FileError(cause, folder);
}

// Writes every byte to the file at `path` open on `fd`, from `at`, or where the descriptor stands
// when negative (an append, a new file written in order); 0, or the system's error (ENOSPC when a
// test's budget runs out).
int writeAll(int fd, const QString& path, qint64 at, const char* data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const qint64 wanted = size - done;
        if (const int error = seamFailure(DiskCall::Write)) return error;
        const qint64 allowed = allowedBytes(wanted);
        if (allowed > 0) diskStep(Step::Write, path, at < 0 ? -1 : at + done, data + done, allowed);
        ssize_t n = 0;
        if (allowed > 0 && at < 0)
            n = ::write(fd, data + done, size_t(allowed));
        else if (allowed > 0)
            n = ::pwrite(fd, data + done, size_t(allowed), off_t(at + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n > 0) done += n;
        if (allowed < wanted || n == 0) return ENOSPC;
    }
    return 0;
}

// After a failed write, the file at `path` open on `fd` cut back to the length it had before. The
// write's error is the one told: a cut that fails too adds nothing the player can act on.
void cutBackAfterFailure(int fd, const QString& path, off_t length) {
    diskStep(Step::Truncate, path, length);
    if (::ftruncate(fd, length) != 0) {
    }
}

// Flushes the file at `path` open on `fd` to the disk: 0, or the system's error.
int syncDescriptor(int fd, const QString& path) {
    if (const int error = seamFailure(DiskCall::Sync)) return error;
    diskStep(Step::Sync, path);
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Closes the descriptor: 0, or the error the system reports of the file's last writes.
int closeDescriptor(int fd) {
    const int error = seamFailure(DiskCall::Close);
    if (::close(fd) != 0 && error == 0) return errno;
    return error;
}

// Makes the temporary file "<path>.XXXXXX" (six letters or digits, the first name free) that a
// whole-file write renames into place: its descriptor, or -1 with errno.
int makeTemporary(const QString& path, QString* name) {
    static unsigned next = 0;
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int tries = 0; tries < 1000; ++tries) {
        unsigned n = ++next * 2654435761u;
        QString suffix;
        for (int i = 0; i < 6; ++i, n /= 36) suffix += QLatin1Char(kDigits[n % 36]);
        *name = path + u'.' + suffix;
        if (const int error = refusedOpen(*name)) {
            errno = error;
            return -1;
        }
        diskStep(Step::Create, *name);
        const int fd =
            ::open(QFile::encodeName(*name).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolderOf(const QString& path) {
    syncFolder(QFileInfo(path).absolutePath());
}
} // namespace

void failWritesAfter(qint64 bytes) {
    failWritesAfter(bytes, false);
}

long long writeFailures() {
    return failures();
}

QString writeFailureCause(long long n) {
    if (n < 1 || n > failures() || n <= failures() - kCausesKept) return {};
    return failureCauses()[size_t(n % kCausesKept)];
}

void setSyncsDeferred(bool d) {
    deferred() = d;
}

bool syncsDeferred() {
    return deferred();
}

void failWritesAfter(qint64 bytes, bool untilLifted) {
    writeBudget() = bytes;
    budgetSticks() = bytes >= 0 && untilLifted;
}

long long checkedWrites() {
    return checkedWriteCount();
}

void failWrite(long long n) {
    failingWrite() = n > 0 ? checkedWriteCount() + n : 0;
}

void syncFile(const QString& path) {
    const QString p = diskPath(path);
    const int fd = ::open(QFile::encodeName(p).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return;
        throw writeFailure(p, errno);
    }
    const int error = syncDescriptor(fd, p);
    ::close(fd);
    if (error) throw writeFailure(p, error);
}

void syncFolder(const QString& folder) {
    const QString p = diskPath(folder);
    const int dir = ::open(QFile::encodeName(p).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) throw folderSyncFailure(p, errno);
    int error = seamFailure(DiskCall::SyncFolder);
    if (!error) {
        diskStep(Step::SyncFolder, p);
        error = ::fsync(dir) == 0 ? 0 : errno;
    }
    ::close(dir);
    // A file system that flushes no folders says so (EINVAL, or EROFS on one that cannot be
    // written): it has nothing of the folder to flush.
    if (error && error != EINVAL && error != EROFS) throw folderSyncFailure(p, error);
}

WholeFileWriteHold::WholeFileWriteHold() {
    held().holding = true;
    held().writes.clear();
}

WholeFileWriteHold::~WholeFileWriteHold() {
    held().holding = false;
    held().writes.clear();
}

std::vector<HeldWrite> WholeFileWriteHold::take() {
    held().holding = false;
    return std::exchange(held().writes, {});
}

void cutFile(const QString& path, qint64 length) {
    const QString p = diskPath(path);
    forgetKept(p);
    int error = refusedOpen(p);
    const int fd = error ? -1 : ::open(QFile::encodeName(p).constData(), O_RDWR | O_CLOEXEC);
    if (!error && fd < 0) error = errno;
    // What the cut takes away, to be put back should the cut not reach the disk.
    struct stat st {};
    if (!error && ::fstat(fd, &st) != 0) error = errno;
    QByteArray tail(!error && st.st_size > length ? qsizetype(st.st_size - length) : 0, Qt::Uninitialized);
    for (qint64 done = 0; !error && done < tail.size();) {
        const ssize_t n = ::pread(fd, tail.data() + done, size_t(tail.size() - done), off_t(length + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        done += std::max<ssize_t>(n, 0);
    }
    if (!error) diskStep(Step::Truncate, p, length);
    if (!error && ::ftruncate(fd, off_t(length)) != 0) error = errno;
    const bool cut = !error;
    if (cut) error = syncDescriptor(fd, p);
    if (cut && error) {
        // The file ends as it was: the bytes cut written back, or what the cut added cut again.
        // The flush's error is the one told.
        if (!tail.isEmpty()) {
            diskStep(Step::Write, p, length, tail.constData(), tail.size());
            for (qint64 done = 0; done < tail.size();) {
                const ssize_t n =
                    ::pwrite(fd, tail.constData() + done, size_t(tail.size() - done), off_t(length + done));
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) break;
                done += n;
            }
        } else if (st.st_size < length) {
            cutBackAfterFailure(fd, p, st.st_size);
        }
    }
    if (fd >= 0) ::close(fd);
    if (error) throw writeFailure(p, error);
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    const QString p = diskPath(path);
    if (held().holding) {
        if (QByteArray* kept = heldFor(p))
            *kept = bytes;
        else
            held().writes.emplace_back(p, bytes);
        return;
    }
    // A file that already holds these bytes is left alone: nothing can be lost, and putting back a
    // file that never changed needs no free space.
    if (const KeptFile* k = kept() ? &keptFor(p) : nullptr; k && !k->bytes.isNull()) {
        if (k->bytes == bytes) return;
    } else if (const QFileInfo old(p); old.exists() && old.isFile() && old.size() == bytes.size()) {
        QFile f(p);
        if (f.open(QIODevice::ReadOnly) && f.readAll() == bytes) return;
    }
    changing(p, 0);
    namesChanging();
    QString tempName;
    const int fd = makeTemporary(p, &tempName);
    if (fd < 0) throw writeFailure(p, errno);
    const QByteArray temp = QFile::encodeName(tempName);
    auto fail = [&](int error) {
        diskStep(Step::Remove, tempName);
        ::unlink(temp.constData());
        throw writeFailure(p, error);
    };
    int error = writeAll(fd, tempName, 0, bytes.constData(), bytes.size());
    if (!error && !deferred()) error = syncDescriptor(fd, tempName);
    // The new file gets the old one's permissions, or those of a newly created file.
    struct stat st {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(p).constData(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (!error && ::fchmod(fd, mode) != 0) error = errno;
    if (const int closed = closeDescriptor(fd); closed && !error) error = closed;
    if (error) fail(error);
    if (::stat(temp.constData(), &st) != 0) fail(errno);
    if (st.st_size != bytes.size()) fail(ENOSPC);
    if (const int refused = seamFailure(DiskCall::Rename)) fail(refused);
    diskStep(Step::Rename, tempName, 0, nullptr, 0, p);
    if (::rename(temp.constData(), QFile::encodeName(p).constData()) != 0) fail(errno);
    nameChanged(p, true);
    if (!deferred()) syncFolderOf(p);
    if (::stat(QFile::encodeName(p).constData(), &st) != 0 || st.st_size != bytes.size())
        throw writeFailure(p, EIO);
}

void appendToFile(const QString& path, const QByteArray& bytes) {
    const QString p = diskPath(path);
    const QFileInfo file(p);
    if (bytes.isEmpty() && file.isFile()) return;
    if (const int error = refusedOpen(p)) throw writeFailure(p, error);
    changing(p, std::max<qint64>(file.size(), 0));
    namesChanging();
    if (!file.exists()) diskStep(Step::Create, p);
    const int fd = ::open(QFile::encodeName(p).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) throw writeFailure(p, errno);
    nameChanged(p, true);
    struct stat st {};
    const off_t before = ::fstat(fd, &st) == 0 ? st.st_size : -1;
    int error = writeAll(fd, p, -1, bytes.constData(), bytes.size());
    // What part of the values reached the file is taken back: the file ends as it was. The error
    // told is the write's.
    if (error && before >= 0) cutBackAfterFailure(fd, p, before);
    if (const int closed = closeDescriptor(fd); closed && !error) {
        // The system told of the writes' failure only now: they are taken back all the same.
        error = closed;
        const int again = ::open(QFile::encodeName(p).constData(), O_WRONLY | O_CLOEXEC);
        if (again >= 0 && before >= 0) cutBackAfterFailure(again, p, before);
        if (again >= 0) ::close(again);
    }
    if (error) throw writeFailure(p, error);
}

QByteArray readWholeFile(const QString& path) {
    const QString p = diskPath(path);
    if (const QByteArray* bytes = heldFor(p)) return *bytes;
    // While files are kept, a file is read once: its checks, the journal and its records share it.
    KeptFile* k = kept() ? &keptFor(p) : nullptr;
    if (k && !k->bytes.isNull()) return k->bytes;
    // Read through the descriptor: an open, a look at the length and, most often, one read.
    const auto unreadable = [&p] {
        return FileError(QStringLiteral("File mancante o illeggibile: %1").arg(p), p);
    };
    const int fd = ::open(QFile::encodeName(p).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw unreadable();
    // The length, when a look at the file just found it (a folder found so cannot be read).
    qint64 length = k ? keptLength(p) : -1;
    if (struct stat st{}; length < 0 && ::fstat(fd, &st) == 0) length = st.st_size;
    // Room for one byte more than the file holds: a read that does not fill it has met the end.
    QByteArray bytes(qsizetype(std::max<qint64>(length, 0)) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            throw unreadable();
        }
        done += n;
        if (n == 0 || (done < bytes.size() && done >= length)) break;
        if (done == bytes.size()) bytes.resize(bytes.size() * 2);
    }
    ::close(fd);
    bytes.truncate(done);
    if (k && bytes.size() <= kWholeReadLimit) k->bytes = bytes;
    return bytes;
}

// ---------------------------------------------------------------- text files

void TextWriter::writeText(const QString& value) {
    bytes_ += '"' + toCp1252(value) + "\"\r\n";
}

void TextWriter::writeNumber(long long value) {
    // Written in place: a table save writes thousands of them.
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    bytes_.append(digits, end - digits);
    bytes_.append("\r\n", 2);
}

void TextWriter::writeReal(double value) {
    bytes_ += toCp1252(numberText(value)) + "\r\n";
}

void TextWriter::writeRaw(const QString& line) {
    bytes_ += toCp1252(line) + "\r\n";
}

void TextWriter::writeValues(const QStringList& raw) {
    writeRaw(raw.join(u','));
}

TextReader::TextReader(const QString& path) : path_(diskPath(path)) {
    if (const QByteArray* bytes = heldFor(path_)) {
        text_ = fromCp1252(*bytes);
        return;
    }
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("File mancante o illeggibile: %1").arg(path_), path_);
    text_ = fromCp1252(f.readAll());
}

TextReader::TextReader(const QByteArray& bytes, const QString& name)
    : path_(name), text_(fromCp1252(bytes)) {}

bool TextReader::atEnd() const {
    int p = pos_;
    while (p < text_.size() &&
           (text_[p] == u' ' || text_[p] == u'\t' || text_[p] == u'\r' || text_[p] == u'\n'))
        ++p;
    return p >= text_.size();
}

QString TextReader::nextValue(bool* quoted) {
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    // Skip blanks and line ends before a value.
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || text_[pos_] == u'\r' || text_[pos_] == u'\n'))
        ++pos_;
    if (pos_ >= text_.size())
        throw FileError(QStringLiteral("File incompleto (mancano valori): %1").arg(path_), path_);
    QString value;
    if (text_[pos_] == u'"') {
        *quoted = true;
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != u'"' && text_[pos_] != u'\n' && text_[pos_] != u'\r')
            value += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == u'"') ++pos_;
        // Skip to the separator after the closing quote.
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u',') ++pos_;
    } else {
        *quoted = false;
        while (pos_ < text_.size() && text_[pos_] != u',' && text_[pos_] != u'\r' && text_[pos_] != u'\n')
            value += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == u',') ++pos_;
        value = value.trimmed();
    }
    // A value ends its line: step over the line end so that an empty next line is a value.
    if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    return value;
}

namespace {
// A value as a message shows it: at most 24 characters, control characters as "?", so that a
// damaged file's bytes neither hide the rest of the message nor fill the screen.
QString shownValue(const QString& v) {
    QString out;
    for (QChar c : v.left(25)) out += c.unicode() < 32 || c.unicode() == 127 ? QChar(u'?') : c;
    return out.size() > 24 ? out.left(21) + QStringLiteral("...") : out;
}

// The refusal of value `v` read up to `pos` of a text file's text: the file, the line, the value.
FileError notANumber(const QString& path, const QString& text, int pos, const QString& v) {
    // The line of the value just read: its line end, when it had one, is behind pos.
    while (pos > 0 && (text[pos - 1] == u'\n' || text[pos - 1] == u'\r')) --pos;
    const int line = int(QStringView(text).left(pos).count(u'\n')) + 1;
    return FileError(QStringLiteral("Valore non numerico nel file %1, riga %2: \"%3\"")
                         .arg(path)
                         .arg(line)
                         .arg(shownValue(v)),
                     path);
}
} // namespace

QString TextReader::readText() {
    bool quoted = false;
    return nextValue(&quoted);
}

long long TextReader::readWhole() {
    bool quoted = false;
    const QString v = nextValue(&quoted);
    bool ok = false;
    double d = v.trimmed().toDouble(&ok);
    // "inf" and "nan" are no numbers the programs write.
    if (ok && !std::isfinite(d)) ok = false;
    if (!ok && !v.trimmed().isEmpty()) throw notANumber(path_, text_, pos_, v);
    return roundHalfEven(ok ? d : 0.0);
}

double TextReader::readReal() {
    bool quoted = false;
    const QString v = nextValue(&quoted);
    bool ok = false;
    double d = v.trimmed().toDouble(&ok);
    // "inf" and "nan" are no numbers the programs write.
    if (ok && !std::isfinite(d)) ok = false;
    if (!ok && !v.trimmed().isEmpty()) throw notANumber(path_, text_, pos_, v);
    return ok ? d : 0.0;
}

QString TextReader::readLine() {
    if (pos_ >= text_.size())
        throw FileError(QStringLiteral("File incompleto (mancano righe): %1").arg(path_), path_);
    QString line;
    while (pos_ < text_.size() && text_[pos_] != u'\r' && text_[pos_] != u'\n') line += text_[pos_++];
    if (pos_ < text_.size() && text_[pos_] == u'\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
    return line;
}

// ---------------------------------------------------------------- record files

RecordFile::RecordFile(const QString& path, int recordLength) : path_(diskPath(path)), len_(recordLength) {
    if (const Kept* k = keptEntry(); k && k->open) {
        file_ = k->open;
        refused_ = k->refused;
        return;
    }
    file_ = std::make_shared<QFile>(path_);
    const QByteArray name = QFile::encodeName(path_);
    // The file is there nearly always: opening it tells so, and only a missing one is made.
    int error = refusedRewrite(path_);
    int fd = error ? -1 : ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && !error) error = errno;
    bool absent = false;
    if (error == ENOENT) {
        // Made only where it can be: a file read in a folder that cannot be written reads as empty.
        const QString folder = QFileInfo(path_).absolutePath();
        error = folderRefusalOnce(folder);
        absent = readOnlyError(error);
        if (!error) {
            if (changeWatch()) changing(path_, 0);
            diskStep(Step::Create, path_);
            namesChanging();
            error = refusedOpen(path_);
            fd = error ? -1 : ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fd < 0 && !error) error = errno;
            if (fd >= 0) nameChanged(path_, true);
        }
    }
    // A file that cannot be written is read: a record written there is refused then.
    if (fd < 0 && readOnlyError(error)) {
        refused_ = error;
        fd = absent ? -1 : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && !absent) error = errno;
    }
    if (fd < 0 && absent) return;
    if (fd < 0 && (error == ENOSPC || error == EDQUOT)) throw writeFailure(path_, error);
    if (fd < 0 || !file_->open(fd, refused_ ? QIODevice::ReadOnly : QIODevice::ReadWrite,
                               QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) ::close(fd);
        throw FileError(QStringLiteral("Impossibile aprire il file %1").arg(path_), path_);
    }
    if (Kept* k = keptEntry()) {
        k->open = file_;
        k->refused = refused_;
    }
}

KeptRecordFiles::KeptRecordFiles() : outermost_(!kept()) {
    if (!outermost_) return;
    kept().emplace();
    ++keptGeneration();
    // What another program changed before the step is listed anew.
    forgetListings();
    namesMade().clear();
    refusalsFound().clear();
    listingsTrusted() = true;
}

KeptRecordFiles::~KeptRecordFiles() {
    if (!outermost_) return;
    kept().reset();
    ++keptGeneration();
    listingsTrusted() = false;
    refusalsFound().clear();
}

qint64 RecordFile::length() const {
    if (!file_->isOpen()) return 0;
    Kept* k = keptEntry();
    if (!k || file_->bytesToWrite() != 0) return file_->size();
    if (!k->bytes.isNull()) return k->bytes.size();
    if (k->length < 0) k->length = file_->size();
    return k->length;
}

int RecordFile::count() const {
    return static_cast<int>(roundHalfEven(double(length()) / len_));
}

QByteArray RecordFile::get(int record) const {
    QByteArray out = getPresent(record);
    out.append(QByteArray(len_ - out.size(), '\0'));
    return out;
}

namespace {
FileError badRecordNumber(int record, const QString& path) {
    return FileError(QStringLiteral("Numero di record non valido (%1) nel file %2").arg(record).arg(path),
                     path);
}
} // namespace

RecordFile::Kept* RecordFile::keptEntry() const {
    if (!kept()) return nullptr;
    if (!keptEntry_ || keptAt_ != keptGeneration()) {
        keptEntry_ = &keptFor(path_);
        keptAt_ = keptGeneration();
    }
    return keptEntry_;
}

const QByteArray* RecordFile::keptBytes() const {
    if (!kept() || !file_->isOpen() || file_->bytesToWrite() != 0) return nullptr;
    KeptFile& k = *keptEntry();
    if (k.bytes.isNull()) {
        // Read whole at the first read since the file was last changed otherwise than by a record
        // written to it; a file too long for it only grows while kept.
        if (k.tooLong) return nullptr;
        const qint64 size = length();
        k.tooLong = size > kWholeReadLimit;
        QByteArray whole(k.tooLong ? 0 : size, Qt::Uninitialized);
        if (k.tooLong || !file_->seek(0) || file_->read(whole.data(), whole.size()) != whole.size())
            return nullptr;
        k.bytes = whole;
    }
    return &k.bytes;
}

QByteArray RecordFile::getPresent(int record) const {
    if (record < 1) throw badRecordNumber(record, path_);
    const qint64 at = qint64(record - 1) * len_;
    if (const QByteArray* k = keptBytes()) return at < k->size() ? k->mid(at, len_) : QByteArray();
    QByteArray out(len_, Qt::Uninitialized);
    out.truncate(readPresent(record, out.data()));
    return out;
}

qsizetype RecordFile::readPresent(int record, char* out) const {
    if (record < 1) throw badRecordNumber(record, path_);
    const qint64 at = qint64(record - 1) * len_;
    if (const QByteArray* k = keptBytes()) {
        const qsizetype n = at < k->size() ? std::min<qsizetype>(len_, k->size() - at) : 0;
        if (n > 0) std::memcpy(out, k->constData() + at, size_t(n));
        return n;
    }
    if (!file_->isOpen()) return 0;
    // A pass reads records in order: the file is already there, and its read buffer is kept.
    if (file_->pos() != at) {
        // Any other record is read where it lies, in one call: a seek would cost a call of its own
        // and throw the read buffer away. Every write is flushed, so the disk holds what was put.
        const int fd = file_->handle();
        if (fd >= 0 && file_->bytesToWrite() == 0) {
            qint64 done = 0;
            while (done < len_) {
                const ssize_t n = ::pread(fd, out + done, size_t(len_ - done), off_t(at + done));
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) return 0;
                if (n == 0) break;
                done += n;
            }
            return qsizetype(done);
        }
        if (!file_->seek(at)) return 0;
    }
    return qsizetype(std::max<qint64>(file_->read(out, len_), 0));
}

void RecordFile::put(int record, const QByteArray& bytes) {
    if (record < 1) throw badRecordNumber(record, path_);
    QByteArray rec = bytes.left(len_);
    if (rec.size() < len_) rec.append(QByteArray(len_ - rec.size(), ' '));
    const qint64 at = qint64(record - 1) * len_;
    // A record that holds these bytes already is left alone: nothing changes, and nothing needs a
    // disk that can be written.
    if (at + len_ <= length() && getPresent(record) == rec) return;
    // The watch is told first: a step over a folder that cannot be written is refused as a whole.
    if (const ChangeWatch& watch = changeWatch()) watch(path_, at);
    if (refused_) throw writeFailure(path_, refused_);
    const qint64 before = length();
    const QByteArray old = at < before ? getPresent(record) : QByteArray();
    // The kept copy follows the record written, in place or added at its end (what the journal
    // wrote meanwhile is elsewhere); a record past its end makes the file be read again.
    Kept* entry = keptEntry();
    QByteArray* k = entry && !entry->bytes.isNull() ? &entry->bytes : nullptr;
    if (k && at > k->size()) {
        *k = QByteArray();
        k = nullptr;
    }
    // Written where it lies through the descriptor, which keeps the system's error; what the file's
    // reader holds read ahead of the record's end is still what the file holds, and the seek to that
    // end drops what it holds of the record.
    const int fd = file_->handle();
    const int error = writeAll(fd, path_, at, rec.constData(), len_);
    if (!error) {
        if (!file_->isSequential()) file_->seek(at + len_);
        if (k) {
            if (k->size() < at + len_) k->resize(at + len_);
            std::memcpy(k->data() + at, rec.constData(), size_t(len_));
        }
        if (entry) entry->length = std::max(before, at + len_);
        return;
    }
    forgetKept(path_);
    // A record that did not reach the disk whole is taken back: the old bytes in place, and a file
    // that had grown cut back to its old length. The error told is the write's.
    if (!old.isEmpty()) {
        diskStep(Step::Write, path_, at, old.constData(), old.size());
        for (qint64 done = 0; done < old.size();) {
            const ssize_t n =
                ::pwrite(fd, old.constData() + done, size_t(old.size() - done), off_t(at + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += n;
        }
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > before) cutBackAfterFailure(fd, path_, off_t(before));
    if (!file_->isSequential()) file_->seek(at + len_);
    throw writeFailure(path_, error);
}

// ---------------------------------------------------------------- channels

struct Channels::Channel {
    enum Kind { In, Out, App, Rnd } kind;
    QString path;
    std::unique_ptr<TextReader> reader;
    std::unique_ptr<TextWriter> writer;
    std::unique_ptr<RecordFile> records;
};

Channels::Channels() = default;

Channels::~Channels() {
    try {
        closeAll();
    } catch (...) {
    }
}

namespace {
std::unique_ptr<Channels::Channel> newChannel(Channels::Channel::Kind kind, const QString& path) {
    auto c = std::make_unique<Channels::Channel>();
    c->kind = kind;
    c->path = diskPath(path);
    return c;
}
} // namespace

void Channels::openInput(int channel, const QString& path) {
    close(channel);
    auto c = newChannel(Channel::In, path);
    c->reader = std::make_unique<TextReader>(path);
    open_[channel] = std::move(c);
}

void Channels::openOutput(int channel, const QString& path) {
    close(channel);
    auto c = newChannel(Channel::Out, path);
    c->writer = std::make_unique<TextWriter>();
    open_[channel] = std::move(c);
}

void Channels::openAppend(int channel, const QString& path) {
    close(channel);
    auto c = newChannel(Channel::App, path);
    c->writer = std::make_unique<TextWriter>();
    open_[channel] = std::move(c);
}

void Channels::openRandom(int channel, const QString& path, int recordLength) {
    close(channel);
    // The record file resolves the path once for both.
    auto records = std::make_unique<RecordFile>(path, recordLength);
    auto c = std::make_unique<Channel>();
    c->kind = Channel::Rnd;
    c->path = records->path();
    c->records = std::move(records);
    open_[channel] = std::move(c);
}

TextReader& Channels::input(int channel) {
    auto it = open_.find(channel);
    if (it == open_.end() || it->second->kind != Channel::In)
        throw ChannelError(QStringLiteral("Canale %1 non aperto in lettura").arg(channel));
    return *it->second->reader;
}

TextWriter& Channels::output(int channel) {
    auto it = open_.find(channel);
    if (it == open_.end() || (it->second->kind != Channel::Out && it->second->kind != Channel::App))
        throw ChannelError(QStringLiteral("Canale %1 non aperto in scrittura").arg(channel));
    return *it->second->writer;
}

RecordFile& Channels::random(int channel) {
    auto it = open_.find(channel);
    if (it == open_.end() || it->second->kind != Channel::Rnd)
        throw ChannelError(QStringLiteral("Canale %1 non aperto per i record").arg(channel));
    return *it->second->records;
}

bool Channels::isOpen(int channel) const {
    return open_.count(channel) > 0;
}

void Channels::close(int channel) {
    auto it = open_.find(channel);
    if (it == open_.end()) return;
    std::unique_ptr<Channel> c = std::move(it->second);
    open_.erase(it);
    if (c->kind == Channel::Out) {
        c->writer->commit(c->path);
    } else if (c->kind == Channel::App) {
        appendToFile(c->path, c->writer->bytes());
    }
}

void Channels::closeAll() {
    // Close every channel even when one fails, then report the first failure.
    std::unique_ptr<FileError> first;
    while (!open_.empty()) {
        const int ch = open_.begin()->first;
        try {
            close(ch);
        } catch (const FileError& e) {
            if (!first) first = std::make_unique<FileError>(e);
            open_.erase(ch);
        }
    }
    if (first) throw *first;
}

int Channels::freeChannel() const {
    for (int i = 1; i < 512; ++i)
        if (!open_.count(i)) return i;
    throw ChannelError(QStringLiteral("Nessun canale libero"));
}

} // namespace platform
