#include "platform/ScreenReport.h"
#include "platform/Form.h"
#include "tests/support/TestSupport.h"

#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {
class ReportedForm : public Form {
  public:
    ReportedForm() : Form("ReportedForm") {
        setCaption(QStringLiteral("Navi e Porti"));
        setSize(6000, 4000);
        Command1.move(120, 120, 1500, 400);
        Command2.move(1800, 120, 1500, 400);
        Command2.setEnabled(false);
        Command3.move(3600, 120, 1500, 400);
        Command3.setVisible(false);
        Label1.move(120, 700, 3000, 300);
        Option1.add(0, *this, "Option1", "Alleati").move(120, 1100, 1500, 300);
        Option1.add(1, *this, "Option1", "Asse").move(1800, 1100, 1500, 300);
        List1.move(120, 1500, 3000, 2000);
        for (int i = 0; i < 40; ++i) List1.addItem(QStringLiteral("nave %1").arg(i));
        Picture1.move(3300, 1500, 2400, 1200);
        QImage map(160, 80, QImage::Format_RGB32);
        map.fill(Qt::blue);
        Picture1.setPicture(map);
        Picture1.setScale(0, 0, 15250, 6930);
    }
    CommandButton Command1{*this, "Command1", "&Avanti"};
    CommandButton Command2{*this, "Command2", "Indietro"};
    CommandButton Command3{*this, "Command3", "Nascosto"};
    Label Label1{*this, "Label1", "riga uno\nriga\tdue"};
    ControlArray<OptionButton> Option1;
    ListBox List1{*this, "List1"};
    PictureBox Picture1{*this, "Picture1"};
    Menu MnFile{*this, "MnFile", "File"};
};

// The lines of the report whose first fields are these.
QStringList linesStarting(const QString& report, const QString& start) {
    QStringList found;
    for (const QString& line : report.split(QLatin1Char('\n')))
        if (line.startsWith(start)) found << line;
    return found;
}

// The screen rectangle of a line: its last field (a window's is followed by its active flag).
QRect rectOf(const QString& line) {
    const int field = line.startsWith(QLatin1Char('W')) ? -2 : -1;
    const QStringList xywh = line.section(QLatin1Char('\t'), field, field).split(QLatin1Char(' '));
    if (xywh.size() != 4) return {};
    return QRect(xywh[0].toInt(), xywh[1].toInt(), xywh[2].toInt(), xywh[3].toInt());
}

class ScreenReport : public ::testing::Test {
  protected:
    void TearDown() override { platform::testing::resetForms(); }
};
} // namespace

// What a script needs to find a control and to click it: its window, name, words, state and its
// place on the screen; only what is shown.
TEST_F(ScreenReport, ShownWindowsWithTheirControlsListRowsAndMenus) {
    auto& f = form<ReportedForm>();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window()));
    const QString report = screenReport();

    const QStringList windows = linesStarting(report, QStringLiteral("W\tNavi e Porti\tReportedForm\t"));
    ASSERT_EQ(windows.size(), 1) << report.toStdString();
    EXPECT_EQ(rectOf(windows[0]).size(), f.window()->size());

    const QString c = QStringLiteral("C\tNavi e Porti\t");
    const QStringList avanti = linesStarting(report, c + "Command1\tQPushButton\t&Avanti\t1\t");
    ASSERT_EQ(avanti.size(), 1) << report.toStdString();
    const QWidget* button = f.Command1.widget();
    EXPECT_EQ(rectOf(avanti[0]), QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    EXPECT_EQ(linesStarting(report, c + "Command2\tQPushButton\tIndietro\t0\t").size(), 1);
    EXPECT_TRUE(linesStarting(report, c + "Command3").isEmpty());
    // Tabs and line ends within a text keep the line one line.
    EXPECT_EQ(linesStarting(report, c + "Label1\tQLabel\triga uno\\nriga\\tdue\t1\t").size(), 1);
    // The items of a control array by their index, the set one marked.
    EXPECT_EQ(linesStarting(report, c + "Option1(0)\tQRadioButton\tAlleati [ ]\t").size(), 1);
    f.Option1[1].setValue(true);
    EXPECT_EQ(linesStarting(screenReport(), c + "Option1(1)\tQRadioButton\tAsse [x]\t").size(), 1);

    // The list's rows in view only, each where it shows.
    const QStringList rows = linesStarting(report, QStringLiteral("I\tNavi e Porti\tList1\tQListWidget\t"));
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_LT(rows.size(), 40);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("I\tNavi e Porti\tList1\tQListWidget\tnave 0\t0\t1\t")));
    const QRect list = rectOf(linesStarting(report, c + "List1\t")[0]);
    for (const QString& row : rows) EXPECT_TRUE(list.contains(rectOf(row))) << row.toStdString();

    // The menu bar's menus, to be clicked like controls.
    const QStringList menus = linesStarting(report, QStringLiteral("I\tNavi e Porti\t"));
    EXPECT_TRUE(std::any_of(menus.begin(), menus.end(), [](const QString& l) {
        return l.contains(QStringLiteral("QMenuBar\tFile\t0\t1\t"));
    })) << report.toStdString();

    // A picture box: where its picture shows, and the coordinates it spans.
    const QStringList pictures =
        linesStarting(report, QStringLiteral("P\tNavi e Porti\tPicture1\t0 0 15250 6930\t"));
    ASSERT_EQ(pictures.size(), 1) << report.toStdString();
    const QWidget* box = f.Picture1.widget();
    EXPECT_EQ(rectOf(pictures[0]), QRect(box->mapToGlobal(f.Picture1.shownPicture().toRect().topLeft()),
                                         f.Picture1.shownPicture().toRect().size()));
    EXPECT_FALSE(rectOf(pictures[0]).isEmpty());

    f.hide();
    EXPECT_TRUE(linesStarting(screenReport(), QStringLiteral("W\tNavi e Porti")).isEmpty());
}

// Once started, the report is in its file as soon as the program has handled its events and
// waits, and follows what the screen shows.
TEST_F(ScreenReport, WrittenWhenTheProgramWaits) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.txt"));
    startScreenReport(path);
    auto& f = form<ReportedForm>();
    f.show();
    auto fileHas = [&](const QString& text) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()).contains(text);
    };
    // An event loop that waits for events, as the program's does; the bound only ends a failure.
    auto waitFor = [&](const QString& text) {
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (fileHas(text)) loop.quit();
        });
        look.start(10);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        return fileHas(text);
    };
    EXPECT_TRUE(waitFor(QStringLiteral("\t&Avanti\t1\t")));
    f.Command1.setCaption(QStringLiteral("Fine"));
    EXPECT_TRUE(waitFor(QStringLiteral("\tFine\t1\t")));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part")));
}
