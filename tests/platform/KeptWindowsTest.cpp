// The windows kept at one moment and put back: every property a control, a window or a menu shows,
// the pictures drawn on, the windows' working values, and which windows are loaded, as they stood,
// without an event raised by the putting back.
#include "platform/KeptWindows.h"
#include "platform/Form.h"

#include <QMainWindow>
#include <gtest/gtest.h>
#include <string>

using namespace platform;

namespace {

struct PanelValues {
    int picked = 0;
    QString note = QStringLiteral("prima");
};

class Panel : public FormWith<PanelValues> {
  public:
    Panel() : FormWith("Panel") {
        setSize(6000, 4000);
        setCaption(QStringLiteral("Pannello"));
        List1.addItem(QStringLiteral("Taranto"));
        List1.addItem(QStringLiteral("Napoli"));
        List1.setItemData(1, 7);
        Combo1.addItem(QStringLiteral("Trasferimento"));
        Picture1.setPicture(sea());
        for (Handler* h : {&List1.Click, &Combo1.Click, &Check1.Click, &Option1.Click})
            *h = [this] { ++events; };
        Text1.Change = Label1.Change = [this] { ++events; };
    }
    static QImage sea() {
        QImage img(200, 100, QImage::Format_RGB32);
        img.fill(Qt::blue);
        return img;
    }
    // What every control shows, as one text to compare.
    QString shown() const {
        QStringList s{caption(),
                      QString::number(visible()),
                      Label1.caption(),
                      QString::number(Label1.backColor()),
                      QString::number(Label1.left()),
                      QString::number(Label1.visible()),
                      Command1.caption(),
                      QString::number(Command1.enabled()),
                      Text1.text(),
                      Combo1.text(),
                      QString::number(Combo1.listCount()),
                      QString::number(Check1.value()),
                      QString::number(Option1.value()),
                      QString::number(Bar1.value()),
                      Frame1.caption(),
                      Menu1.caption(),
                      QString::number(Menu1.enabled()),
                      QString::number(Picture1.currentX())};
        for (int i = 0; i < List1.listCount(); ++i)
            s << List1.list(i) + u'=' + QString::number(List1.itemData(i));
        s << QString::number(List1.listIndex());
        return s.join(u'|');
    }
    int events = 0;
    Frame Frame1{*this, "Frame1", "Porto"};
    Label Label1{Frame1, "Label1", "GN 1"};
    Label Label2{Frame1, "Label2", "GN 3"};
    CommandButton Command1{*this, "Command1", "&Vai"};
    TextBox Text1{*this, "Text1"};
    ListBox List1{*this, "List1"};
    ComboBox Combo1{*this, "Combo1", 2};
    CheckBox Check1{*this, "Check1", "Auto"};
    OptionButton Option1{*this, "Option1", "Asse"};
    ProgressBar Bar1{*this, "Bar1"};
    PictureBox Picture1{*this, "Picture1"};
    Menu Menu1{*this, "Menu1", "File"};
};

class Other : public Form {
  public:
    Other() : Form("Other") {}
};

// The names of the controls of a container in the order they lie, from the bottom.
std::string stacking(Container& c) {
    QStringList names;
    for (QObject* o : c.childArea()->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->objectName().isEmpty()) names << w->objectName();
    return names.join(u' ').toStdString();
}

// What a picture box draws and prints with.
std::string drawingValues(const PictureBox& p) {
    return QStringList{QString::number(p.currentX()),      QString::number(p.currentY()),
                       QString::number(p.drawWidth()),     QString::number(p.drawStyle()),
                       QString::number(p.fillStyle()),     QString::number(p.fillColor()),
                       QString::number(p.printFontSize()), QString::number(p.printFontBold())}
        .join(u'|')
        .toStdString();
}

class KeptWindows : public ::testing::Test {
  protected:
    void TearDown() override {
        forgetKeptWindows();
        platform::testing::resetForms();
    }
};

} // namespace

TEST_F(KeptWindows, EveryChangeMadeSinceIsPutBackWithoutAnEvent) {
    Panel& p = form<Panel>();
    p.show();
    const QString before = p.shown();
    const QImage picture = p.Picture1.image().copy();
    keepWindows();
    p.setCaption(QStringLiteral("Altro"));
    p.Label1.setCaption(QStringLiteral("GN 2"));
    p.Label1.setBackColor(vbRed);
    p.Label1.move(900, 300);
    p.Label1.setVisible(false);
    p.Command1.setCaption(QStringLiteral("&Ferma"));
    p.Command1.setEnabled(false);
    p.Text1.setText(QStringLiteral("12"));
    p.List1.removeItem(0);
    p.List1.addItem(QStringLiteral("Bari"));
    p.List1.setListIndex(1);
    p.Combo1.clear();
    p.Check1.setValue(1);
    p.Option1.setValue(true);
    p.Bar1.setValue(40);
    p.Frame1.setCaption(QStringLiteral("Base"));
    p.Menu1.setCaption(QStringLiteral("Menu"));
    p.Menu1.setEnabled(false);
    // A small drawing keeps what it covers, a large one the whole picture.
    p.Picture1.line(10, 10, 30, 30, vbRed);
    p.Picture1.box(0, 0, 180, 90, vbYellow, true);
    p.Picture1.circle(50, 50, 5, vbWhite);
    p.picked = 3;
    p.note = QStringLiteral("dopo");
    ASSERT_NE(p.shown(), before);
    const int events = p.events;

    putWindowsBack();
    EXPECT_EQ(p.shown(), before);
    EXPECT_EQ(p.Picture1.image(), picture);
    EXPECT_EQ(p.picked, 0);
    EXPECT_EQ(p.note, QStringLiteral("prima"));
    EXPECT_EQ(p.events, events);

    // Keeping goes on from there: the drawings on a picture already drawn keep what they cover.
    p.Picture1.line(0, 0, 20, 5, vbGreen);
    const QImage drawn = p.Picture1.image().copy();
    keepWindows();
    p.Picture1.print(QStringLiteral("GN 4"));
    p.Picture1.pset(100, 50, vbBlack);
    putWindowsBack();
    EXPECT_EQ(p.Picture1.image(), drawn);
}

TEST_F(KeptWindows, TheWindowsLoadedAndUnloadedSinceAreUnloadedAndLoadedAgain) {
    Panel& p = form<Panel>();
    p.show();
    keepWindows();
    ASSERT_TRUE(unload<Panel>());
    form<Other>().show();
    EXPECT_FALSE(isLoaded<Panel>());
    putWindowsBack();
    EXPECT_FALSE(isLoaded<Other>());
    ASSERT_TRUE(isLoaded<Panel>());
    EXPECT_EQ(&form<Panel>(), &p);
    EXPECT_TRUE(p.visible() && p.window()->isVisible());
    // What was forgotten is not put back.
    forgetKeptWindows();
    p.Label1.setCaption(QStringLiteral("GN 9"));
    putWindowsBack();
    EXPECT_EQ(p.Label1.caption(), QStringLiteral("GN 9"));
}

// What no drawing and no property of the control shows until later: the values a picture box draws
// and prints with, set with nothing drawn after them, and the order controls lie in.
TEST_F(KeptWindows, APictureBoxsDrawingValuesAndTheOrderControlsLieInArePutBack) {
    Panel& p = form<Panel>();
    p.show();
    p.Picture1.setCurrentX(5);
    p.Picture1.setPrintFontSize(9);
    const std::string drawing = drawingValues(p.Picture1);
    const std::string order = stacking(p), inFrame = stacking(p.Frame1);
    keepWindows();
    p.Picture1.setCurrentX(40);
    p.Picture1.setCurrentY(20);
    p.Picture1.setDrawWidth(3);
    p.Picture1.setDrawStyle(2);
    p.Picture1.setFillStyle(0);
    p.Picture1.setFillColor(vbRed);
    p.Picture1.setPrintFontSize(12);
    p.Picture1.setPrintFontBold(true);
    p.Command1.zOrder(vbSendToBack);
    p.Text1.zOrder(vbBringToFront);
    p.Frame1.zOrder(vbBringToFront);
    p.Label1.zOrder(vbBringToFront);
    ASSERT_NE(drawingValues(p.Picture1), drawing);
    ASSERT_NE(stacking(p), order);
    ASSERT_NE(stacking(p.Frame1), inFrame);

    putWindowsBack();
    EXPECT_EQ(drawingValues(p.Picture1), drawing);
    EXPECT_EQ(stacking(p), order);
    EXPECT_EQ(stacking(p.Frame1), inFrame);

    // Keeping goes on from there.
    p.Command1.zOrder(vbSendToBack);
    p.Picture1.setDrawWidth(2);
    const std::string lowered = stacking(p);
    keepWindows();
    p.Command1.zOrder(vbBringToFront);
    p.Picture1.setDrawWidth(4);
    putWindowsBack();
    EXPECT_EQ(stacking(p), lowered);
    EXPECT_EQ(p.Picture1.drawWidth(), 2);
}
