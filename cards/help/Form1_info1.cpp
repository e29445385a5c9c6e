#include "Form1_info1.h"

#include "platform/Files.h"

#include <QPlainTextEdit>

QString HelpFilePath;
std::function<void()> Form1_info1::beforeLoad;

Form1_info1::Form1_info1() : Form("Form1_info1") {
    setCaption(QStringLiteral("Informazioni - Clicca x chiudere"));
    setSize(9600, 7200);
    txtWordProc.move(0, 0, 9600, 7200);
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
    try {
        txtWordProc.setText(platform::fromCp1252(platform::readWholeFile(HelpFilePath)));
    } catch (...) {
        // Nothing half-shown: the window goes and the error names the file.
        platform::unloadForm(*this);
        throw;
    }
}

void Form1_info1::closeViewer() {
    platform::unloadForm(*this);
}

void showHelpText(const QString& path) {
    HelpFilePath = path;
    platform::form<Form1_info1>().showModal();
}
