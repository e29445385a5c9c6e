#include "Form1_info1.h"

#include "platform/Files.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>

QString HelpFilePath;
std::function<void()> Form1_info1::beforeLoad;

Form1_info1::Form1_info1() : Form("Form1_info1") {
    setCaption(QStringLiteral("Informazioni - Clicca x chiudere"));
    setSize(kMinWidth, 7200);
    txtWordProc.move(0, 0, kMinWidth, 7200);
    txtWordProc.setLocked(true);
    txtWordProc.setFontName(QStringLiteral("DejaVu Sans Mono"));
    txtWordProc.setFontSize(9);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(txtWordProc.widget())) {
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    txtWordProc.Click = [this] { closeViewer(); };
}

void Form1_info1::Form_Load() {
    if (beforeLoad) beforeLoad();
    QString text;
    try {
        text = platform::fromCp1252(platform::readWholeFile(HelpFilePath));
    } catch (...) {
        // Nothing half-shown: the window goes and the error names the file.
        platform::unloadForm(*this);
        throw;
    }
    fitWidthTo(text);
    txtWordProc.setText(text);
}

void Form1_info1::fitWidthTo(const QString& text) {
    // The help files are laid out in lines of their own: the window is as wide as the longest,
    // so that the box never wraps them again somewhere else (within the screen's width).
    const QFontMetrics fm(txtWordProc.widget()->font());
    int widest = 0;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n"))))
        widest = std::max(widest, fm.horizontalAdvance(line));
    constexpr int kMarginsAndScrollBar = 40;
    int width = (widest + kMarginsAndScrollBar) * platform::kTwipsPerPixel;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        width = std::min(width, (screen->availableGeometry().width() - 40) * platform::kTwipsPerPixel);
    width = std::max(width, kMinWidth);
    setSize(width, height());
    txtWordProc.move(0, 0, width, height());
}

void Form1_info1::closeViewer() {
    platform::unloadForm(*this);
}

void showHelpText(const QString& path) {
    HelpFilePath = path;
    platform::form<Form1_info1>().showModal();
}
