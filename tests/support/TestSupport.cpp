#include "TestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace testsupport {

namespace {
void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = to + u'/' + rel;
        if (QFileInfo(src).isDir())
            QDir().mkpath(dst);
        else {
            QDir().mkpath(QFileInfo(dst).path());
            QFile::copy(src, dst);
            QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                      QFile::WriteUser);
        }
    }
}
} // namespace

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
