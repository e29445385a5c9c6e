#include "Dialogs.h"

#include "Files.h"
#include "Numbers.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QTreeView>
#include <utility>

namespace platform {

namespace {
std::function<int(const MessageBoxCall&)>& msgHandler() {
    static std::function<int(const MessageBoxCall&)> h;
    return h;
}
std::function<QString(const QString&, const QString&, const QString&)>& inputHandler() {
    static std::function<QString(const QString&, const QString&, const QString&)> h;
    return h;
}
std::function<void(const QString&)>& errorHandler() {
    static std::function<void(const QString&)> h;
    return h;
}
FileDialog::Handler& fileHandler() {
    static FileDialog::Handler h;
    return h;
}
int& beeps() {
    static int n = 0;
    return n;
}

QString programTitle() {
    return QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
}
} // namespace

bool headless() {
    return QGuiApplication::platformName() == QStringLiteral("offscreen");
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    if (msgHandler()) return msgHandler()(MessageBoxCall{prompt, style, title});
    if (headless()) {
        qWarning("message box (answered headless): %s", qPrintable(prompt));
        switch (style & 0x7) {
        case vbOKCancel:
        case vbYesNoCancel:
            return vbCancel;
        case vbYesNo:
            return vbNo;
        default:
            return vbOK;
        }
    }
    QMessageBox box;
    box.setText(prompt);
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
    switch (style & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (style & 0x7) {
    case vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    // At least as wide as its title, which the window manager would otherwise cut short.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    constexpr int kTitleBarButtons = 120;
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (auto* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Sì"));
    if (auto* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("&No"));
    if (auto* b = box.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Annulla"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    default:
        return vbOK;
    }
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    if (inputHandler()) return inputHandler()(prompt, title, defaultText);
    if (headless()) return QString();
    const QString shown = title.isEmpty() ? programTitle() : title;
    QInputDialog d;
    d.setWindowTitle(shown);
    d.setLabelText(prompt);
    d.setTextValue(defaultText);
    // Wide enough for its whole title in the frame's bold face, beside the frame's buttons.
    QFont bold = d.font();
    bold.setBold(true);
    const int wide = QFontMetrics(bold).horizontalAdvance(shown) * 5 / 4 + 160;
    d.setMinimumWidth(wide);
    // The dialog keeps to its layout's size: its box is made as wide.
    if (auto* box = d.findChild<QLineEdit*>()) box->setMinimumWidth(wide - 40);
    return d.exec() == QDialog::Accepted ? d.textValue() : QString();
}

void Beep() {
    ++beeps();
    if (!msgHandler()) QApplication::beep();
}

void showError(const QString& message) {
    if (errorHandler()) {
        errorHandler()(message);
        return;
    }
    MsgBox(message, vbCritical, QStringLiteral("Errore"));
}

namespace {
int gHandlerDepth = 0;
struct DepthGuard {
    DepthGuard() { ++gHandlerDepth; }
    ~DepthGuard() { --gHandlerDepth; }
};
} // namespace

int handlerDepth() {
    return gHandlerDepth;
}

namespace {
HandlerScope& handlerScope() {
    static HandlerScope scope;
    return scope;
}
std::function<void()>& beforeModalWait() {
    static std::function<void()> hook;
    return hook;
}
std::function<void()>& afterModalWait() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

void setHandlerScope(HandlerScope scope) {
    handlerScope() = std::move(scope);
}

HandlerScope handlerScopeSet() {
    return handlerScope();
}

void setModalWaitHooks(std::function<void()> before, std::function<void()> after) {
    beforeModalWait() = std::move(before);
    afterModalWait() = std::move(after);
}

ModalWait::ModalWait() : depth_(gHandlerDepth) {
    if (beforeModalWait()) beforeModalWait()();
    gHandlerDepth = 0;
}

ModalWait::~ModalWait() {
    gHandlerDepth = depth_;
    if (afterModalWait()) afterModalWait()();
}

namespace {
HandlerSource& currentSource() {
    static HandlerSource source;
    return source;
}
// The outermost handler's source while it runs; a window shown modal by it has outermost handlers
// of their own, and the opener's source comes back when they end.
struct SourceGuard {
    explicit SourceGuard(HandlerSource source) : outer_(std::exchange(currentSource(), std::move(source))) {}
    ~SourceGuard() { currentSource() = std::move(outer_); }
    SourceGuard(const SourceGuard&) = delete;
    SourceGuard& operator=(const SourceGuard&) = delete;

  private:
    HandlerSource outer_;
};
} // namespace

const HandlerSource& handlerSource() {
    return currentSource();
}

void runHandler(const std::function<void()>& handler, const std::function<HandlerSource()>& source) {
    if (!handler) return;
    if (gHandlerDepth > 0) {
        // Raised from inside another handler: an error goes up to the outermost one.
        DepthGuard g;
        handler();
        return;
    }
    {
        const SourceGuard told(source ? source() : HandlerSource{});
        DepthGuard g;
        try {
            if (handlerScope())
                handlerScope()(handler);
            else
                handler();
        } catch (const DialogCancelled&) {
        } catch (const FileError& e) {
            showError(e.message());
        } catch (const RangeError& e) {
            showError(e.message());
        } catch (const std::exception& e) {
            showError(QString::fromUtf8(e.what()));
        }
    }
}

namespace testing {
void setMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) {
    msgHandler() = std::move(handler);
}
void setInputBoxHandler(std::function<QString(const QString&, const QString&, const QString&)> handler) {
    inputHandler() = std::move(handler);
}
int beepCount() {
    return beeps();
}
void resetBeeps() {
    beeps() = 0;
}
void setErrorHandler(std::function<void(const QString&)> handler) {
    errorHandler() = std::move(handler);
}
} // namespace testing

void FileDialog::setTestHandler(Handler handler) {
    fileHandler() = std::move(handler);
}

namespace {
// "Descr|*.a;*.b|Other|*.c" -> "Descr (*.a *.b);;Other (*.c)"
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pats = parts[i + 1];
        pats.replace(u';', u' ');
        out << QStringLiteral("%1 (%2)").arg(parts[i], pats);
    }
    return out.join(QStringLiteral(";;"));
}
} // namespace

static bool runDialog(FileDialog& d, bool save) {
    QString chosen;
    if (fileHandler()) {
        chosen = fileHandler()(d, save);
    } else if (headless()) {
        chosen.clear();
    } else {
        QFileDialog dialog(nullptr, d.DialogTitle, diskPath(d.InitDir), qtFilter(d.Filter));
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        // The columns of the file list as wide as their headings ("Dimensione" whole).
        QTimer::singleShot(0, &dialog, [&dialog] {
            for (QTreeView* tree : dialog.findChildren<QTreeView*>()) {
                QHeaderView* h = tree->header();
                for (int c = 0; c < h->count(); ++c) {
                    const QString heading =
                        tree->model() ? tree->model()->headerData(c, Qt::Horizontal).toString() : QString();
                    h->resizeSection(c,
                                     std::max(h->sectionSize(c), h->fontMetrics().horizontalAdvance(heading) +
                                                                     3 * h->fontMetrics().height()));
                }
            }
        });
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.selectedFiles().value(0);
    }
    if (chosen.isEmpty()) {
        if (d.CancelError) throw DialogCancelled();
        return false;
    }
    d.FileName = chosen;
    d.FileTitle = QFileInfo(chosen).fileName();
    return true;
}

bool FileDialog::ShowOpen() {
    return runDialog(*this, false);
}
bool FileDialog::ShowSave() {
    return runDialog(*this, true);
}

} // namespace platform
