// Message box, input box, beep and the common file dialog. Each one has a test seam: a handler
// that, when set, answers instead of the real dialog, so window tests run headless.
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Buttons and icons of the message box (values of the old toolkit, combined by adding).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
// Answers of the message box.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
// The text typed, or the empty text when cancelled.
QString InputBox(const QString& prompt, const QString& title = QString(),
                 const QString& defaultText = QString());
void Beep();

// Shows an error that a handler could not recover from; the program goes on.
void showError(const QString& message);

// What the player used to raise a handler, in the words the screen shows: the caption of the
// window, and the control's (a button's caption, a label's or a picture's tool-tip, a list's item
// picked) or the menu item's (with the menus it lies in).
struct HandlerSource {
    QString window;
    QString control;
};

// Runs a handler of a window event. An error escaping the outermost handler is shown and the
// program goes on; inside a handler raised by another one, the error goes up to the outer one.
// `source`, asked only when the handler is outermost, tells what raised it (handlerSource()).
void runHandler(const std::function<void()>& handler, const std::function<HandlerSource()>& source = {});
// The source of the outermost handler running now: empty when none runs, or its raiser told none.
const HandlerSource& handlerSource();
// How many handlers are running (nested) now.
int handlerDepth();
// The program's own scope around each outermost handler (one that no other handler raised), e.g.
// one transaction over its files; it runs the handler once and lets its errors go up. None: the
// handler runs as it is.
using HandlerScope = std::function<void(const std::function<void()>& handler)>;
void setHandlerScope(HandlerScope scope);
// The scope set (a test wraps it in one of its own).
HandlerScope handlerScopeSet();
// While a window shown modal waits for the player, its handlers are outermost: each runs in the
// scope and shows its own errors. `before` (set by the program) is told first, inside the handler
// that shows the window, e.g. to make what that handler did so far whole; `after` when the window
// is done.
void setModalWaitHooks(std::function<void()> before, std::function<void()> after);
class ModalWait {
  public:
    ModalWait();
    ~ModalWait();
    ModalWait(const ModalWait&) = delete;
    ModalWait& operator=(const ModalWait&) = delete;

  private:
    int depth_;
};

struct MessageBoxCall {
    QString prompt;
    int style;
    QString title;
};

// True on the headless platform: dialogs with no test handler answer at once (a message box with
// its cancelling answer, an input box and a file dialog as cancelled) and windows shown modal
// return at once, so that nothing waits for a player who is not there.
bool headless();

namespace testing {
// Every message box goes to the handler while one is set; it returns the answer.
void setMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler);
void setInputBoxHandler(
    std::function<QString(const QString& prompt, const QString& title, const QString& def)> handler);
// Beeps sounded since the program started (or since resetBeeps).
int beepCount();
void resetBeeps();
// When set, errors caught by runHandler are passed here instead of a message box.
void setErrorHandler(std::function<void(const QString&)> handler);
} // namespace testing

// The common file dialog in open mode.
class FileDialog {
  public:
    QString DialogTitle;
    QString Filter; // "Descr|*.ext|Descr2|*.x2" as the old toolkit wrote it
    QString InitDir;
    QString FileName;  // the chosen file (full path) after ShowOpen
    QString FileTitle; // the chosen file's name without its folder
    bool CancelError = false;
    // True when a file was chosen; with CancelError set a cancel raises DialogCancelled.
    bool ShowOpen();
    bool ShowSave();

    using Handler = std::function<QString(const FileDialog&, bool save)>;
    // Test seam: the handler returns the chosen path, or the empty text for cancel.
    static void setTestHandler(Handler handler);
};

struct DialogCancelled : std::exception {
    const char* what() const noexcept override { return "cancelled"; }
};

} // namespace platform
