#include "TestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <sys/statvfs.h>
#include <unistd.h>

namespace testsupport {

namespace {
// A plain copy of every file: QFile::copy flushes each copy to the disk, which made the copy of the
// shipped folder for every test wait on the disk for seconds; a test's folder never needs to
// outlive it. The copies are the owner's to write, whatever the rights of the source.
void copyTree(const QString& from, const QString& to) {
    namespace fs = std::filesystem;
    const fs::path source(QFile::encodeName(from).toStdString());
    const fs::path target(QFile::encodeName(to).toStdString());
    fs::create_directories(target);
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(source)) {
        const fs::path copy = target / e.path().lexically_relative(source);
        if (e.is_directory())
            fs::create_directories(copy);
        else {
            fs::copy_file(e.path(), copy, fs::copy_options::overwrite_existing);
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
        }
    }
}
} // namespace

void tempFilesInMemory() {
    if (!qEnvironmentVariableIsEmpty("TMPDIR")) return;
    const char* const memory = "/dev/shm";
    // Room for the folders of several tests at once (a container may give it only a few MB).
    constexpr unsigned long long kRoom = 1ull << 30;
    struct statvfs fs {};
    if (::access(memory, W_OK | X_OK) != 0 || ::statvfs(memory, &fs) != 0) return;
    if (static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize < kRoom) return;
    qputenv("TMPDIR", memory);
}

ProgramFolder::ProgramFolder(bool withShippedData) {
    if (withShippedData) copyTree(QStringLiteral(SHIPPED_DATA_DIR), dir_.path());
    platform::setAppFolder(dir_.path());
}

ProgramFolder::~ProgramFolder() {
    platform::setAppFolder(QString());
}

QString ProgramFolder::file(const QString& relative) const {
    return platform::diskPath(dir_.path() + u'/' + relative);
}

QByteArray readBytes(const QString& path) {
    QFile f(platform::diskPath(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    const QString p = platform::diskPath(path);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QStringList readLines(const QString& path) {
    QString text = platform::fromCp1252(readBytes(path));
    if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
    if (text.isEmpty()) return {};
    return text.split(QStringLiteral("\r\n"));
}

MessageBoxes::MessageBoxes(QList<int> answers) : answers_(std::move(answers)) {
    platform::testing::setMessageBoxHandler([this](const platform::MessageBoxCall& c) {
        prompts << c.prompt;
        titles << c.title;
        styles << c.style;
        return answers_.isEmpty() ? int(platform::vbOK) : answers_.takeFirst();
    });
}

MessageBoxes::~MessageBoxes() {
    platform::testing::setMessageBoxHandler(nullptr);
}

Errors::Errors() {
    platform::testing::setErrorHandler([this](const QString& m) { messages << m; });
}

Errors::~Errors() {
    platform::testing::setErrorHandler(nullptr);
}

} // namespace testsupport
