#include "platform/Printing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(Printing, ZonesLinesAndTheJobText) {
    QTemporaryDir dir;
    Printer::forcePdf(true);
    Printer::setPdfFolder(dir.path());
    Printer p;
    p.setFont(QStringLiteral("DejaVu Sans"), 8);
    const double zone = p.textWidth(QStringLiteral("0")) * 14;
    p.printText(QStringLiteral("ab"));
    p.nextZone();
    EXPECT_NEAR(p.currentX, zone, 0.01);
    p.printText(QString(40, u'W')); // runs past the second zone
    p.nextZone();
    EXPECT_GT(p.currentX, 2 * zone);
    EXPECT_NEAR(std::fmod(p.currentX, zone), 0, 0.01);
    p.newLine();
    EXPECT_EQ(p.currentX, 0);
    p.newLine();
    p.printLine(QStringLiteral("fine"));
    p.newPage();
    p.printLine(QStringLiteral("due"));
    EXPECT_EQ(p.jobText(), (QStringList{"ab\t" + QString(40, u'W') + "\t", "", "fine", "\f", "due"}));
    EXPECT_EQ(p.pagesPrinted(), 2);
    const QString pdf = p.endDoc();
    EXPECT_TRUE(pdf.startsWith(dir.path()));
    EXPECT_EQ(p.pagesPrinted(), 2) << "kept after the job ends";
    Printer::forcePdf(false);
    Printer::setPdfFolder(QString());
}
