#include "FormStart.h"

#include "CardGlobals.h"
#include "Form1_Main.h"
#include "Form_Aerei.h"

#include "platform/Dialogs.h"
#include "platform/Files.h"

using namespace platform;

FormStart::FormStart() : Form("FormStart") {
    setCaption(QStringLiteral("Torvcard"));
    setSize(9600, 6300);
    setFixedBorder(true);
    Label1.move(300, 240, 9000, 420);
    Label1.setFontSize(12);
    Label1.setFontBold(true);
    Label1.setBackStyle(0);
    Label1.setForeColor(vbWhite);
    Label2.move(300, 700, 9000, 300);
    Label2.setFontSize(9);
    Label2.setBackStyle(0);
    Label2.setForeColor(0xC0FFFF);
    Label3.move(300, 5700, 3000, 300);
    Label3.setBackStyle(0);
    Label3.setForeColor(0xE0E0E0);
    Image2.move(900, 2100);
    Image2.setToolTipText(QStringLiteral("ARCHIVIO NAVI"));
    Image2.setBorderStyle(1);
    Image1.move(5400, 2100);
    Image1.setToolTipText(QStringLiteral("ARCHIVIO AEREI"));
    Image1.setBorderStyle(1);
    Image3.move(8600, 5400);
    Image2.Click = [this] { Image2_Click(); };
    Image1.Click = [this] { Image1_Click(); };
}

void FormStart::Form_Load() {
    CardGlobals& g = CG();
    g.AppFolder = appFolder();
    g.DataFolder = g.AppFolder + QStringLiteral("\\Data\\");
    g.ShipCardFolder = g.AppFolder + QStringLiteral("\\Navi\\");
    g.AircraftCardFolder = g.AppFolder + QStringLiteral("\\Aerei\\");
    g.DataYear = QStringLiteral("1939");

    QImage background;
    if (background.load(diskPath(g.AppFolder + QStringLiteral("\\ArchBmp\\TorvcardSfondo.bmp"))))
        setPicture(background);
    Image2.loadPicture(g.AppFolder + QStringLiteral("\\ArchBmp\\TorvcardNavi.bmp"));
    Image1.loadPicture(g.AppFolder + QStringLiteral("\\ArchBmp\\TorvcardAerei.bmp"));
    Image3.loadPicture(g.AppFolder + QStringLiteral("\\Ico\\IT.ico"));
    try {
        EnsureFolder(g.ShipCardFolder);
    } catch (const FileError& e) {
        // Without a card folder the editors still run; saving will name the folder again.
        showError(e.message());
    }
}

void FormStart::Form_QueryUnload(int&, int unloadMode) {
    unloadMode_ = unloadMode;
}

void FormStart::Form_Unload(int&) {
    // Closed by the user with no editor open: the program ends.
    if (unloadMode_ == vbFormControlMenu && !programEnded()) endProgram();
}

void FormStart::Image2_Click() {
    platform::form<Form1_Main>().show();
    unloadForm(*this);
}

void FormStart::Image1_Click() {
    if (openAircraftEditor()) unloadForm(*this);
}

bool openAircraftEditor() {
    // A window whose loading failed (a missing table) is not kept half-built.
    try {
        platform::form<Form_Aerei>().show();
    } catch (...) {
        if (isLoaded<Form_Aerei>()) unloadForm(platform::form<Form_Aerei>(), vbAppWindows);
        throw;
    }
    return true;
}
