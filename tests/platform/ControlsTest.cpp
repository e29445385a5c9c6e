#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Numbers.h"
#include "tests/support/TestSupport.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {
class TestForm : public Form {
  public:
    TestForm() : Form("TestForm") {
        setSize(6000, 4000);
        List1.Click = [this] { clicks << "List1:" + QString::number(List1.listIndex()); };
        Combo1.Click = [this] { clicks << "Combo1:" + Combo1.text(); };
        Text1.Change = [this] { clicks << "Text1:" + Text1.text(); };
        Text1.KeyPress = [](int& k) {
            if (k != 8 && (k < '0' || k > '9')) k = 0;
        };
        Check1.Click = [this] { clicks << "Check1:" + QString::number(Check1.value()); };
        Option1.add(0, Frame1, "Option1", "a").Click = [this] { clicks << "Option1(0)"; };
        Option1.add(1, Frame1, "Option1", "b").Click = [this] { clicks << "Option1(1)"; };
        Label1.Click = [this] { clicks << "Label1"; };
        MnFileApri.Click = [this] { clicks << "MnFileApri"; };
    }
    void Form_Load() override { ++loads; }
    void Form_Unload(int& cancel) override {
        ++unloads;
        cancel = refuseUnload;
    }
    int loads = 0, unloads = 0, refuseUnload = 0;
    QStringList clicks;
    Frame Frame1{*this, "Frame1", "Giochi Attivi:"};
    ControlArray<OptionButton> Option1;
    ListBox List1{*this, "List1"};
    ComboBox Combo1{*this, "Combo1", 2};
    TextBox Text1{*this, "Text1"};
    CheckBox Check1{*this, "Check1", "Plot Raggio"};
    Label Label1{Frame1, "Label1", "&Chiudi"};
    Menu MnFile{*this, "MnFile", "File"};
    Menu MnFileApri{MnFile, "MnFileApri", "Apri Gioco "};
};

class TestForm2 : public Form {
  public:
    TestForm2() : Form("TestForm2") { setCaption(QStringLiteral("Conferma")); }
    CommandButton Command1{*this, "Command1", "&OK"};
};

class Controls : public ::testing::Test {
  protected:
    void TearDown() override { platform::testing::resetForms(); }
};
} // namespace

TEST_F(Controls, OneInstanceLoadedOnFirstUse) {
    TestForm& f = form<TestForm>();
    EXPECT_EQ(f.loads, 1);
    EXPECT_EQ(&form<TestForm>(), &f);
    EXPECT_TRUE(isLoaded<TestForm>());
    EXPECT_TRUE(unload<TestForm>());
    EXPECT_FALSE(isLoaded<TestForm>());
    TestForm& g = form<TestForm>();
    EXPECT_EQ(g.loads, 1) << "a new instance after unloading";
    g.refuseUnload = 1;
    EXPECT_FALSE(unload<TestForm>());
    EXPECT_TRUE(isLoaded<TestForm>());
}

TEST_F(Controls, ListEventsRaisedByCode) {
    TestForm& f = form<TestForm>();
    f.List1.addItem("b");
    f.List1.setItemData(f.List1.newIndex(), 42);
    f.List1.addItem("a");
    EXPECT_TRUE(f.clicks.isEmpty()) << "adding raises nothing";
    f.List1.setListIndex(1);
    EXPECT_EQ(f.clicks, QStringList{"List1:1"});
    EXPECT_EQ(f.List1.itemData(0), 42);
    f.List1.setListIndex(-1);
    EXPECT_EQ(f.List1.listIndex(), -1);
    EXPECT_EQ(f.clicks.size(), 1);

    ListBox sorted(f, "sorted");
    sorted.setSorted(true);
    sorted.addItem("TRIPOLI");
    sorted.addItem("bengasi");
    sorted.addItem("MALTA");
    EXPECT_EQ(sorted.list(0), "bengasi");
    EXPECT_EQ(sorted.list(2), "TRIPOLI");
    EXPECT_EQ(sorted.newIndex(), 1);
}

// Each row the player picks, with the arrow keys or the mouse in any order, raises one Click on
// that row.
TEST_F(Controls, ListPicksByKeyboardAndMouseEachRaiseOneClick) {
    TestForm& f = form<TestForm>();
    for (const char* item : {"BMR SM.79 Sparviero", "ASI SM.79 Sparviero", "CPT Fiat CR.42 Falco"})
        f.List1.addItem(QString::fromUtf8(item));
    f.List1.move(0, 0, 3000, 1500);
    f.show();
    auto* list = static_cast<QListWidget*>(f.List1.widget());
    const auto rowCentre = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(0));
    QTest::keyClick(list, Qt::Key_Down);
    f.Text1.widget()->setFocus();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(f.clicks.join(u' ').toStdString(), "List1:0 List1:1 List1:2 List1:1 List1:1");
}

TEST_F(Controls, ComboClickIsAPick) {
    TestForm& f = form<TestForm>();
    f.Combo1.addItem("1940");
    f.Combo1.addItem("1941");
    EXPECT_EQ(f.Combo1.listIndex(), -1);
    f.Combo1.doPick(1);
    f.Combo1.setListIndex(0);
    EXPECT_EQ(f.clicks, (QStringList{"Combo1:1941", "Combo1:1940"}));
}

TEST_F(Controls, TextChangeAndKeyFilter) {
    TestForm& f = form<TestForm>();
    f.Text1.setText("12");
    f.Text1.setText("12");
    EXPECT_EQ(f.clicks, QStringList{"Text1:12"}) << "Change only when the text changes";
    f.clicks.clear();
    f.Text1.doType("3x4");
    EXPECT_EQ(f.Text1.text(), "1234");
    EXPECT_EQ(f.clicks, (QStringList{"Text1:123", "Text1:1234"}));
}

TEST_F(Controls, CheckAndOptionValuesSetByCode) {
    TestForm& f = form<TestForm>();
    f.Check1.setValue(1);
    f.Check1.setValue(1);
    f.Check1.setValue(0);
    EXPECT_EQ(f.clicks, (QStringList{"Check1:1", "Check1:0"}));
    f.clicks.clear();
    f.Option1[1].setValue(true);
    f.Option1[1].setValue(true);
    f.Option1[0].doClick();
    EXPECT_EQ(f.clicks, (QStringList{"Option1(1)", "Option1(0)"}));
    EXPECT_FALSE(f.Option1[1].value()) << "options of one container exclude each other";

    // A graphical box shows its state plainly: ticked, its picture in full colour inside a green
    // frame; unticked, its picture in grey.
    f.Check1.move(0, 0, 495, 495);
    QImage blue(40, 40, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    f.Check1.setGraphical(blue);
    auto* box = qobject_cast<QPushButton*>(f.Check1.widget());
    ASSERT_NE(box, nullptr);
    const QSize size = box->iconSize();
    const QImage on = box->icon().pixmap(size, QIcon::Normal, QIcon::On).toImage();
    const QImage off = box->icon().pixmap(size, QIcon::Normal, QIcon::Off).toImage();
    const QPoint centre(size.width() / 2, size.height() / 2);
    EXPECT_EQ(on.pixelColor(centre), QColor(Qt::blue));
    EXPECT_EQ(on.pixelColor(1, 1), QColor(0, 176, 0));
    const QColor grey = off.pixelColor(centre);
    EXPECT_TRUE(grey.red() == grey.green() && grey.green() == grey.blue()) << "unticked reads grey";
    f.Check1.setValue(1);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(Controls, ContainerStateDoesNotChangeOwnFlags) {
    TestForm& f = form<TestForm>();
    f.Frame1.setVisible(false);
    EXPECT_TRUE(f.Label1.visible());
    EXPECT_EQ(f.Label1.caption(), "&Chiudi");
    f.Label1.setEnabled(false);
    f.Label1.doClick();
    EXPECT_TRUE(f.clicks.isEmpty()) << "a disabled control takes no clicks";
    f.Label1.setEnabled(true);
    f.Label1.doClick();
    EXPECT_EQ(f.clicks, QStringList{"Label1"});
    f.Label1.move(150, 300, 1500, 300);
    EXPECT_EQ(f.Label1.widget()->geometry(), QRect(10, 20, 100, 20)) << "15 twips to a pixel";
}

TEST_F(Controls, MenusAndDisabledParents) {
    TestForm& f = form<TestForm>();
    f.MnFileApri.doClick();
    f.MnFile.setEnabled(false);
    f.MnFileApri.doClick();
    EXPECT_EQ(f.clicks, QStringList{"MnFileApri"});
}

// An outermost handler is told what the player used to raise it, in the words the window shows;
// handlers it raises itself are told the same, and a window it shows modal tells its own.
TEST_F(Controls, EachOutermostHandlerIsToldWhatRaisedIt) {
    TestForm& f = form<TestForm>();
    f.setCaption(QStringLiteral("  Giochi   attivi "));
    QStringList told;
    const auto tell = [&told] { told << handlerSource().window + " | " + handlerSource().control; };
    f.Check1.Click = tell;
    f.Label1.Click = tell;
    f.List1.Click = tell;
    f.MnFileApri.Click = tell;
    f.Text1.KeyPress = [&tell](int&) { tell(); };
    f.List1.addItem(QStringLiteral("CT  Zeta "));
    f.Check1.doClick();
    f.Label1.doClick();
    f.Label1.setToolTipText(QStringLiteral("Chiude la finestra"));
    f.Label1.doClick();
    f.List1.doPick(0);
    f.MnFileApri.doClick();
    f.Text1.widget()->setFocus();
    f.Text1.doType("7");
    EXPECT_EQ(told, (QStringList{"Giochi attivi | Plot Raggio", "Giochi attivi | Chiudi",
                                 "Giochi attivi | Chiude la finestra", "Giochi attivi | CT Zeta",
                                 "Giochi attivi | File > Apri Gioco", "Giochi attivi | Text1"}));
    EXPECT_TRUE(handlerSource().window.isEmpty() && handlerSource().control.isEmpty()) << "none runs";

    // A handler raised by another one, and the handlers of a window shown modal.
    told.clear();
    TestForm2& dialog = form<TestForm2>();
    platform::testing::setModalHandler([&](Form&) { dialog.Command1.doClick(); });
    dialog.Command1.Click = tell;
    f.Check1.Click = [&] {
        f.List1.setListIndex(0);
        dialog.showModal();
        tell();
    };
    f.Check1.doClick();
    platform::testing::setModalHandler(nullptr);
    EXPECT_EQ(told,
              (QStringList{"Giochi attivi | Plot Raggio", "Conferma | OK", "Giochi attivi | Plot Raggio"}));
}

TEST_F(Controls, ErrorsInHandlersAreShownNotFatal) {
    testsupport::Errors errors;
    TestForm& f = form<TestForm>();
    f.Label1.Click = [] { platform::checked16(99999); };
    f.Label1.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("99999"));
}

TEST_F(Controls, PictureBoxDrawsInItsOwnScaleAndReadsColours) {
    TestForm& f = form<TestForm>();
    PictureBox pic(f, "Pic");
    QImage img(2034, 924, QImage::Format_RGB32);
    img.fill(QColor(120, 170, 220));
    pic.setPicture(img);
    pic.setScale(0, 0, 15250, 6930);
    EXPECT_EQ(pic.point(100, 100), RGB(120, 170, 220));
    EXPECT_EQ(pic.point(-1, 10), -1);
    EXPECT_EQ(pic.point(15250, 10), -1);
    pic.box(1000, 1000, 1200, 1200, vbRed, true);
    EXPECT_EQ(pic.point(1100, 1100), vbRed);
    pic.cls();
    EXPECT_EQ(pic.point(1100, 1100), RGB(120, 170, 220)) << "drawings go, the picture stays";
}

TEST_F(Controls, PictureBoxLinesKeepTheirWidthWhenShownSmaller) {
    TestForm& f = form<TestForm>();
    PictureBox pic(f, "Pic");
    pic.move(0, 0, 1017 * kTwipsPerPixel, 462 * kTwipsPerPixel); // half the picture's size
    QImage img(2034, 924, QImage::Format_RGB32);
    img.fill(QColor(120, 170, 220));
    pic.setPicture(img);
    pic.setScale(0, 0, 15250, 6930);
    pic.box(7500, 3000, 7700, 3200, vbRed, false);
    // One shown pixel is two pixels of the picture: the outline is two pixels wide there.
    const double onePixel = 15250.0 / 2034;
    int red = 0;
    for (int k = -5; k <= 5; ++k) red += pic.point(7500 + k * onePixel, 3100) == vbRed;
    EXPECT_EQ(red, 2);

    CommandButton b(f, "b", " APRI MENU PRINCIPALE");
    b.setPicture(img.scaled(40, 20));
    EXPECT_EQ(b.caption(), " APRI MENU PRINCIPALE") << "the caption stays, drawn under the picture";
}

// The picture is painted in its proportions from the top left, or stretched to the area the
// window gives; a press reads the point of the picture painted under it either way.
TEST_F(Controls, PictureBoxPaintsInItsProportionsOrInTheAreaGiven) {
    TestForm& f = form<TestForm>();
    PictureBox pic(f, "Pic");
    pic.move(0, 0, 300 * kTwipsPerPixel, 200 * kTwipsPerPixel);
    pic.setBackColor(vbBlack);
    QImage img(200, 100, QImage::Format_RGB32);
    img.fill(QColor(120, 170, 220));
    pic.setPicture(img);
    pic.setScale(0, 0, 1000, 500);
    double x = -1, y = -1;
    pic.MouseDown = [&](int, int, double px, double py) { x = px, y = py; };
    f.show();
    auto shownAt = [&](int px, int py) { return pic.widget()->grab().toImage().pixelColor(px, py); };

    EXPECT_EQ(pic.shownPicture(), QRectF(0, 0, 300, 150));
    EXPECT_EQ(shownAt(150, 140), QColor(120, 170, 220));
    EXPECT_EQ(shownAt(150, 160), QColor(Qt::black));
    QTest::mousePress(pic.widget(), Qt::LeftButton, {}, QPoint(150, 75));
    EXPECT_DOUBLE_EQ(x, 500);
    EXPECT_DOUBLE_EQ(y, 250);

    pic.setPictureArea(QSize(300 * kTwipsPerPixel, 100 * kTwipsPerPixel));
    EXPECT_EQ(pic.shownPicture(), QRectF(0, 0, 300, 100));
    EXPECT_EQ(shownAt(150, 95), QColor(120, 170, 220));
    EXPECT_EQ(shownAt(150, 105), QColor(Qt::black));
    QTest::mousePress(pic.widget(), Qt::LeftButton, {}, QPoint(150, 75));
    EXPECT_DOUBLE_EQ(x, 500);
    EXPECT_DOUBLE_EQ(y, 375);

    pic.setPictureArea(QSize());
    EXPECT_EQ(pic.shownPicture(), QRectF(0, 0, 300, 150));
}

TEST_F(Controls, APictureHeldShowsWhatItShowedUntilTheHoldEnds) {
    TestForm& f = form<TestForm>();
    PictureBox pic(f, "Pic");
    pic.move(0, 0, 400 * kTwipsPerPixel, 200 * kTwipsPerPixel); // the background at the right
    QImage before(300, 200, QImage::Format_RGB32), after(300, 200, QImage::Format_RGB32);
    before.fill(Qt::blue);
    after.fill(Qt::green);
    pic.setPicture(before);
    pic.setScale(0, 0, 300, 200); // in pixels
    pic.setBackColor(vbBlack);
    f.show();
    QApplication::processEvents();
    auto shown = [&] { return pic.widget()->grab().toImage().pixelColor(250, 100); };
    auto background = [&] {
        const QImage all = pic.widget()->grab().toImage();
        return all.pixelColor(all.width() - 1, all.height() - 1);
    };
    ASSERT_EQ(shown(), QColor(Qt::blue));
    {
        PictureBox::ShownHold hold(pic);
        pic.setPicture(after);
        pic.box(0, 0, 10, 10, vbRed, true);
        pic.setBackColor(vbWhite);
        EXPECT_EQ(pic.point(5, 5), vbRed) << "the drawings are made";
        EXPECT_EQ(shown(), QColor(Qt::blue)) << "and not shown";
        EXPECT_EQ(background(), QColor(Qt::black));
    }
    EXPECT_EQ(shown(), QColor(Qt::green));
    EXPECT_EQ(background(), QColor(Qt::white));
    EXPECT_EQ(pic.widget()->grab().toImage().pixelColor(5, 5), QColor(Qt::red));

    // The next drawings on a new picture show that picture and themselves only, whatever image
    // their canvas is made in.
    pic.box(100, 100, 110, 110, vbYellow, true);
    {
        PictureBox::ShownHold hold(pic);
        pic.setPicture(before);
        pic.box(200, 100, 210, 110, vbCyan, true);
    }
    pic.setPicture(after);
    pic.box(250, 150, 260, 160, vbMagenta, true);
    QImage expected = after.copy();
    for (int y = 150; y <= 160; ++y)
        for (int x = 250; x <= 260; ++x) expected.setPixelColor(x, y, Qt::magenta);
    EXPECT_EQ(pic.image(), expected);
    EXPECT_EQ(after.pixelColor(255, 155), QColor(Qt::green)) << "the picture itself is not drawn on";
}

// Drawings taken aside are made on another thread, in their order, on the picture the box had
// when they were taken: the same image as made at once, read or shown only once they are done;
// text, measured on the image, is drawn after them at once.
TEST_F(Controls, DrawingsTakenAsideMakeTheSameImage) {
    TestForm& f = form<TestForm>();
    PictureBox atOnce(f, "AtOnce"), aside(f, "Aside");
    QImage img(2034, 924, QImage::Format_RGB32);
    img.fill(QColor(120, 170, 220));
    auto drawAll = [](PictureBox& pic) {
        for (int k = 0; k < 40; ++k) {
            const int x = 500 + 331 * k, y = 800 + 137 * (k % 37);
            pic.circle(x, y, 420, vbWhite);
            pic.circle(x, y, 400, vbRed);
            pic.setFillStyle(k % 2);
            pic.circle(x, y, 160, vbCyan);
            pic.setFillStyle(1);
            pic.box(x, y, x + 120, y + 80, vbYellow, k % 3 == 0);
            pic.line(x, y, x + 700, y - 300, vbGreen);
            pic.pset(x + 50, y + 50, vbMagenta);
        }
    };
    for (PictureBox* pic : {&atOnce, &aside}) {
        pic->move(0, 0, 700 * kTwipsPerPixel, 320 * kTwipsPerPixel); // lines wider than a pixel
        pic->setPicture(img);
        pic->setScale(0, 0, 15250, 6930);
    }
    drawAll(atOnce);
    atOnce.setCurrentX(3000);
    atOnce.setCurrentY(3000);
    atOnce.print(QStringLiteral("ORA"));
    atOnce.circle(3000, 3000, 300, vbBlue);
    {
        PictureBox::DrawnAside later(aside);
        drawAll(aside);
        EXPECT_EQ(aside.point(500, 800), RGB(120, 170, 220)) << "nothing drawn yet";
        aside.setCurrentX(3000);
        aside.setCurrentY(3000);
        aside.print(QStringLiteral("ORA"));
        aside.circle(3000, 3000, 300, vbBlue);
    }
    EXPECT_EQ(aside.currentY(), atOnce.currentY());
    EXPECT_EQ(aside.image(), atOnce.image());
    EXPECT_EQ(img.pixelColor(0, 0), QColor(120, 170, 220)) << "the picture itself is not drawn on";
}

TEST_F(Controls, APressOnALabelOrFrameOverAPictureIsNotThePictures) {
    TestForm& f = form<TestForm>();
    PictureBox pic(f, "Pic");
    pic.move(0, 0, 3000, 3000);
    Label label(pic, "Label9", "x");
    label.move(150, 150, 600, 300);
    Frame frame(pic, "Frame9", "y");
    frame.move(1500, 1500, 900, 900);
    int presses = 0, clicks = 0;
    pic.MouseDown = [&](int, int, double, double) { ++presses; };
    label.Click = [&] { ++clicks; };
    f.show();
    QTest::mouseClick(label.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(frame.widget(), Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(presses, 0);
    QTest::mouseClick(pic.widget(), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(presses, 1);
}
