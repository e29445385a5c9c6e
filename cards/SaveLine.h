// The line under an editor's commands: where the last card was saved, or why the save command is
// grey. Both editors of Torvcard keep one, so that a refused entry is told in the same words.
#pragma once

#include <QString>

namespace platform {
class Label;
}

// The save command's state: enabled, or grey with the reason the line gives (empty while nothing
// has been asked of the editor yet).
struct SaveState {
    bool enabled;
    QString why;
};

// A reason the save command is grey, as the line says it: "\"Salva\" non attivo: " and the reason.
QString saveHeldReason(const QString& reason);

class SaveLine {
  public:
    // The line's label: no background, navy until a reason is shown.
    explicit SaveLine(platform::Label& line);
    // A reason is shown in red; when there is none, a reason shown before is cleared, and the
    // saved card's place stays on the line.
    void show(const QString& why);
    // The card just written, in navy.
    void saved(const QString& cardPath);
    void clear();

  private:
    platform::Label& line_;
    bool held_ = false; // the line says why the command is grey
};
