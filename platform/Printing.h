// The printer: the default printer's name, the print set-up dialog, and a print job that text lines
// and pictures go to, page by page. With no printer set up, a job becomes a PDF file in the
// program folder's "Stampe" folder, whose path is given back when the job ends.
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QPainter;
class QWidget;

namespace platform {

// The default printer's name; empty when none is set up.
QString defaultPrinterName();
// The print set-up dialog of the default printer.
void printSetupDialog(QWidget* owner);

// What a job put on a page: a text, or a picture (no text), and the rectangle it takes, in twips
// from the top left of the printable area.
struct PrintedItem {
    int page;
    QRectF rect;
    QString text;
};

class Printer {
  public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Positions in twips from the top left of the printable area.
    double currentX = 0, currentY = 0;
    void setFont(const QString& family, double points, bool bold = false);
    double fontSize() const { return fontSize_; }

    // A line of text at the current position; the position moves to the start of the next line.
    void printLine(const QString& text);
    // Text at the current position; the position moves after it on the same line.
    void printText(const QString& text);
    // Values in print zones of 14 characters (of the average width of the font), then a new line.
    void printZones(const QStringList& values, int zoneChars = 14);
    // Moves to print column n (1 is the left edge), in characters of the average width of the font;
    // the job's text shows the move as a tab.
    void tab(int column);
    // 1 portrait (the default), 2 landscape; a job takes it when it starts, an open job from its
    // next page.
    void setOrientation(int orientation);
    int orientation() const { return orientation_; }
    // Moves the position to the start of the next print zone on the line (a zone starts every 14
    // average character widths); a text that ran past a zone skips to the zone after it.
    void nextZone();
    // Ends the current line: the position moves to the start of the next one.
    void newLine();
    // A picture in the given rectangle (twips).
    void paintPicture(const QImage& img, double x, double y, double width, double height);
    double textWidth(const QString& text);
    double textHeight();
    double pageWidth();  // twips
    double pageHeight(); // twips
    void newPage();
    // Ends the job; returns the PDF path when the job went to a file, else the empty text.
    QString endDoc();
    bool jobOpen() const { return painter_ != nullptr; }
    // Pages of the current job, or of the last one once it has ended.
    int pagesPrinted() const { return pages_; }
    // The text lines of the current job (or the last one), a zone move written as a tab; a new
    // page starts with a form feed. Tests and status messages read it.
    const QStringList& jobText() const { return text_; }
    // The texts and pictures of the current job (or the last one) where they stand on their pages,
    // and the printable area of a page (twips), for checks of the printed layout.
    const QList<PrintedItem>& jobItems() const { return items_; }
    QSizeF printableSize() const { return printable_; }
    // Test seam: told of every job as it ends, whichever printer object ran it.
    static void setJobEndWatch(std::function<void(const Printer&)> watch);

    // Test seam and fallback: the folder where PDF jobs go.
    static void setPdfFolder(const QString& folder);
    // Tests: forces PDF output even when a printer exists.
    static void forcePdf(bool force);

  private:
    void begin();
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;
    QString family_ = QStringLiteral("DejaVu Sans");
    double fontSize_ = 10;
    bool bold_ = false;
    int pages_ = 0;
    int orientation_ = 1;
    QStringList text_;
    QList<PrintedItem> items_;
    QSizeF printable_;
    bool lineOpen_ = false;
    void logText(const QString& t);
    void logLineEnd();
};

// The one printer object of the program.
Printer& printer();

// Tells the player where a job went when it became a PDF file (nothing for a real printer).
void reportPdf(const QString& pdfPath, const QString& title);

// Clipboard holding a picture.
void clipboardClear();
void clipboardSetImage(const QImage& img);
QImage clipboardImage();

} // namespace platform
