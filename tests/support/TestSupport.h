// Helpers shared by the tests: a program folder of their own, file bytes, and answers for dialogs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace testsupport {

// Puts the temporary files of the test program, and with them every test's program folder, in the
// memory file system /dev/shm when it has room and TMPDIR names no folder of the user's choice.
// Each test copies the shipped folder and the game flushes every save to the disk: on a disk that
// waiting is most of a test's time, and no test needs its files to outlive the machine.
void tempFilesInMemory();

// A temporary program folder holding a copy of the shipped one; it becomes the program folder
// (platform::appFolder) while the object lives.
class ProgramFolder {
  public:
    explicit ProgramFolder(bool withShippedData = true);
    ~ProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const; // path of a file inside

  private:
    QTemporaryDir dir_;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// The lines of a CRLF text file (without their line ends).
QStringList readLines(const QString& path);

// Answers message boxes with the given results in turn (vbOK when they run out) and records them.
class MessageBoxes {
  public:
    explicit MessageBoxes(QList<int> answers = {});
    ~MessageBoxes();
    QStringList prompts;
    QStringList titles;
    QList<int> styles;

  private:
    QList<int> answers_;
};

// Records errors shown by event handlers instead of opening message boxes.
class Errors {
  public:
    Errors();
    ~Errors();
    QStringList messages;
};

} // namespace testsupport
