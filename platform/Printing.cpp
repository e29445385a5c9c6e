#include "Printing.h"

#include "Dialogs.h"
#include "Files.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
QString& pdfFolder() {
    static QString f;
    return f;
}
bool& pdfForced() {
    static bool f = false;
    return f;
}
std::function<void(const Printer&)>& jobEndWatch() {
    static std::function<void(const Printer&)> w;
    return w;
}
constexpr double kTwipsPerInch = 1440.0;
} // namespace

QString defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName().trimmed();
}

void printSetupDialog(QWidget* owner) {
    QPrinter p(QPrinterInfo::defaultPrinter());
    QPageSetupDialog d(&p, owner);
    d.exec();
}

Printer::Printer() = default;
Printer::~Printer() {
    if (painter_) endDoc();
}

void Printer::setPdfFolder(const QString& folder) {
    pdfFolder() = folder;
}
void Printer::forcePdf(bool force) {
    pdfForced() = force;
}
void Printer::setJobEndWatch(std::function<void(const Printer&)> watch) {
    jobEndWatch() = std::move(watch);
}

void Printer::begin() {
    if (painter_) return;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!pdfForced() && !info.isNull()) {
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        pdfPath_.clear();
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        QString folder = pdfFolder().isEmpty() ? appFolder() + QStringLiteral("/Stampe") : pdfFolder();
        makeFolder(folder);
        const QString base = QCoreApplication::applicationName().isEmpty()
                                 ? QStringLiteral("stampa")
                                 : QCoreApplication::applicationName();
        pdfPath_ = diskPath(folder) + u'/' + base + u'-' +
                   QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                   QStringLiteral(".pdf");
        printer_->setOutputFileName(pdfPath_);
    }
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        throw FileError(QStringLiteral("Impossibile avviare la stampa"), pdfPath_);
    }
    pages_ = 1;
    text_.clear();
    items_.clear();
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    printable_ = page.size() * (kTwipsPerInch / printer_->resolution());
    lineOpen_ = false;
    currentX = currentY = 0;
}

void Printer::logText(const QString& t) {
    if (!lineOpen_) text_ << QString();
    text_.last() += t;
    lineOpen_ = true;
}

void Printer::logLineEnd() {
    if (!lineOpen_) text_ << QString();
    lineOpen_ = false;
}

void Printer::setFont(const QString& family, double points, bool bold) {
    family_ = family;
    fontSize_ = points;
    bold_ = bold;
}

namespace {
QFont printFont(const QString& family, double size, bool bold, QPaintDevice* dev) {
    QFont f(family, -1, bold ? QFont::Bold : QFont::Normal);
    f.setPointSizeF(size);
    return QFont(f, dev);
}
} // namespace

double Printer::textWidth(const QString& text) {
    begin();
    const QFontMetricsF fm(printFont(family_, fontSize_, bold_, printer_.get()), printer_.get());
    return fm.horizontalAdvance(text) * kTwipsPerInch / printer_->resolution();
}

double Printer::textHeight() {
    begin();
    const QFontMetricsF fm(printFont(family_, fontSize_, bold_, printer_.get()), printer_.get());
    return fm.height() * kTwipsPerInch / printer_->resolution();
}

double Printer::pageWidth() {
    begin();
    return printer_->pageRect(QPrinter::DevicePixel).width() * kTwipsPerInch / printer_->resolution();
}

double Printer::pageHeight() {
    begin();
    return printer_->pageRect(QPrinter::DevicePixel).height() * kTwipsPerInch / printer_->resolution();
}

void Printer::printText(const QString& text) {
    begin();
    const double k = printer_->resolution() / kTwipsPerInch;
    painter_->setFont(printFont(family_, fontSize_, bold_, printer_.get()));
    painter_->setPen(Qt::black);
    const QFontMetricsF fm(painter_->font(), printer_.get());
    if ((currentY + textHeight()) > pageHeight()) newPage();
    painter_->drawText(QPointF(currentX * k, currentY * k + fm.ascent()), text);
    items_.append(
        {pages_, QRectF(currentX, currentY, fm.horizontalAdvance(text) / k, fm.height() / k), text});
    currentX += fm.horizontalAdvance(text) / k;
    logText(text);
}

void Printer::printLine(const QString& text) {
    printText(text);
    currentX = 0;
    currentY += textHeight();
    logLineEnd();
}

void Printer::nextZone() {
    begin();
    const double zone = textWidth(QStringLiteral("0")) * 14;
    currentX = (std::floor(currentX / zone + 1e-9) + 1) * zone;
    logText(QStringLiteral("\t"));
}

void Printer::newLine() {
    begin();
    if ((currentY + textHeight()) > pageHeight()) newPage();
    currentX = 0;
    currentY += textHeight();
    logLineEnd();
}

void Printer::tab(int column) {
    begin();
    currentX = textWidth(QStringLiteral("0")) * std::max(0, column - 1);
    logText(QStringLiteral("\t"));
}

void Printer::setOrientation(int orientation) {
    orientation_ = orientation;
    if (printer_)
        printer_->setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void Printer::printZones(const QStringList& values, int zoneChars) {
    begin();
    const double zone = textWidth(QStringLiteral("0")) * zoneChars;
    const double start = currentX;
    for (int i = 0; i < values.size(); ++i) {
        currentX = start + zone * i;
        if (i > 0) logText(QStringLiteral("\t"));
        printText(values[i]);
    }
    currentX = 0;
    currentY += textHeight();
    logLineEnd();
}

void Printer::paintPicture(const QImage& img, double x, double y, double width, double height) {
    begin();
    const double k = printer_->resolution() / kTwipsPerInch;
    painter_->drawImage(QRectF(x * k, y * k, width * k, height * k), img);
    items_.append({pages_, QRectF(x, y, width, height), QString()});
}

void Printer::newPage() {
    begin();
    printer_->newPage();
    ++pages_;
    currentX = currentY = 0;
    if (lineOpen_) logLineEnd();
    text_ << QStringLiteral("\f");
}

QString Printer::endDoc() {
    if (!painter_) return QString();
    if (jobEndWatch()) jobEndWatch()(*this);
    painter_->end();
    painter_.reset();
    printer_.reset();
    const QString out = pdfPath_;
    pdfPath_.clear();
    return out;
}

void reportPdf(const QString& pdfPath, const QString& title) {
    if (pdfPath.isEmpty()) return;
    MsgBox(QStringLiteral("Nessuna stampante installata: la stampa è stata salvata nel file\n") + pdfPath,
           vbInformation, title);
}

Printer& printer() {
    static Printer p;
    return p;
}

void clipboardClear() {
    if (auto* cb = QGuiApplication::clipboard()) cb->clear();
}

void clipboardSetImage(const QImage& img) {
    if (auto* cb = QGuiApplication::clipboard()) cb->setImage(img);
}

QImage clipboardImage() {
    auto* cb = QGuiApplication::clipboard();
    return cb ? cb->image() : QImage();
}

} // namespace platform
