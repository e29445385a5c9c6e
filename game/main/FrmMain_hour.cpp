// The main window's side of the hourly step: the hour button, what the hour shows while it runs,
// and the contact button.
#include "FrmMain.h"
#include "HourStep.h"
#include "MapPanels.h"
#include "common/Globals.h"
#include "common/MapRoutines.h"
#include "platform/Dialogs.h"

#include <QElapsedTimer>
#include <QWidget>
#include <optional>

using namespace platform;

namespace {
constexpr int kHourglass = 11;
// A frame of the screen: the hour's code and progress are painted at most once in one.
constexpr qint64 kFrameMs = 16;
} // namespace

// What the hour shows in the window. The hour runs without the event loop, so its status code and
// progress bar are painted at once: on the first progress point, on the last, and in between once
// a frame has passed since they were last painted; the events after the hour paint what is left.
class FrmMain::HourPanel : public HourView {
  public:
    explicit HourPanel(FrmMain& f) : f_(f) {}
    void hourBegins() override {
        f_.Command17.setVisible(false);
        f_.Label64.setBackColor(vbBlack);
        f_.ProgressBar1.setVisible(true);
        f_.ProgressBar1.setMin(0);
        f_.ProgressBar1.setMax(kLastHourProgress);
        f_.PicBitMap.setMousePointer(kHourglass);
    }
    void phase(const char* code) override {
        f_.Label29.setCaption(QLatin1String(code));
        if (frame_.isValid() && frame_.elapsed() >= kFrameMs) paint();
    }
    void progress(int point) override {
        point_ = point;
        if (!frame_.isValid() || point >= kLastHourProgress || frame_.elapsed() >= kFrameMs) paint();
    }
    void hourOne(bool yes) override { f_.Label95.setVisible(yes); }
    void clockChanged() override {
        f_.showClock();
        NascondiPannelliMappa();
    }
    void alarms(const HourAlarms& a) override {
        if (a.groupStopped) f_.Label80.setVisible(true);
        if (a.contacts) f_.Label87.setVisible(true);
        if (a.airReturn) f_.Label101.setVisible(true);
        if (a.mineHit) f_.Label18.setVisible(true);
    }
    void redrawMap() override {
        RicaricaMappa();
        DisegnaBasi();
    }
    void drawActivities() override {
        // The circles are drawn while the hour's files are flushed to the disk.
        PictureBox::DrawnAside aside(f_.PicBitMap);
        f_.CircleAttivita();
    }
    void hourEnds() override {
        f_.PicBitMap.setMousePointer(0);
        if (G().state(StateItem::SunkLastHour) > 0) f_.Label64.setBackColor(vbMagenta);
        f_.ProgressBar1.setVisible(false);
        f_.Command17.setVisible(true);
    }

  private:
    // The bar takes its value here only: a progress bar paints itself at once at each new value.
    // One painting at once paints the window's every part waiting for one: the code and the bar
    // together.
    void paint() {
        QWidget* bar = f_.ProgressBar1.widget();
        QWidget* code = f_.Label29.widget();
        bar->setUpdatesEnabled(false);
        f_.ProgressBar1.setValue(point_);
        bar->setUpdatesEnabled(true);
        code->update();
        if (bar->isVisible())
            bar->repaint();
        else if (code->isVisible())
            code->repaint();
        frame_.start();
    }
    FrmMain& f_;
    int point_ = 0;
    QElapsedTimer frame_; // since the last painting
};

// ---------------------------------------------------------------- the hour button

void FrmMain::Command22_Click() {
    Globals& g = G();
    // The map goes on showing the last hour's until this one has drawn it again: painted at each
    // painting of the progress bar over it, it would cost the hour a whole map each time.
    std::optional<PictureBox::ShownHold> mapShown(std::in_place, PicBitMap);
    RicaricaMappa();
    Label17.setCaption(QString());
    Label17.setVisible(false);
    Frame24.setVisible(false);
    Frame6.setVisible(true);
    Label32.setCaption(QStringLiteral("STP"));
    Label29.setCaption(QStringLiteral("STP"));
    Label32.setBackColor(vbRed);
    Label80.setVisible(false);
    Label95.setVisible(false);
    for (CheckBox* c : {&Check5, &Check6, &Check7}) c->setValue(0);
    unloadContactBoard();
    g.BasesMode = 0;
    g.NavalMode = 0;
    EntryMode = 0;
    Label18.setVisible(false);
    Label87.setVisible(false);
    Label101.setVisible(false);
    Command22.setEnabled(false);

    HourPanel panel(*this);
    const HourOutcome outcome = runHourWhole(panel);
    mapShown.reset();
    if (!outcome.done) showHourUndone(outcome);
    // Files that could not be put back are put back when the campaign is opened again.
    if (!outcome.restoreFailure.isEmpty()) {
        closeCampaign();
        return;
    }
    if (outcome.undoneFirst)
        Label17.setCaption(
            QStringLiteral("L'ora rimasta incompleta è stata annullata prima di eseguire questa."));

    Label17.setVisible(true);
    // Contacts of the hour wait for the contact board; an hour undone leaves the button as it was.
    setHourLock(outcome.done ? lockBetweenHours(g.state(StateItem::Contacts), false) : HourLock::None);
    Label83.setForeColor(g.DayFlag == 1 ? vbCyan : vbWhite);
    Label29.setCaption(g.GameState[StateItem::Activities]);
}

void FrmMain::setHourLock(HourLock lock) {
    hourLock_ = lock;
    Command22.setEnabled(lock == HourLock::None);
    Command22.setToolTipText(hourButtonTip(lock));
}

void FrmMain::Command22_MouseDown() {
    // A held button takes no press: without a word the game would look frozen.
    if (!Command22.enabled()) Label17.setCaption(hourLockReason());
}

void FrmMain::RunTime() {
    HourPanel panel(*this);
    runHourPhases(panel);
}

void FrmMain::showHourUndone(const HourOutcome& outcome) {
    Globals& g = G();
    for (Label* l : {&Label80, &Label87, &Label101, &Label18}) l->setVisible(false);
    Label95.setVisible(g.state(StateItem::Hour) == 1);
    Label64.setBackColor(g.state(StateItem::SunkLastHour) > 0 ? vbMagenta : vbBlack);
    QString restoreFailure = outcome.restoreFailure;
    try {
        showClock();
        RicaricaMappa();
        DisegnaBasi();
    } catch (const std::exception& e) {
        if (restoreFailure.isEmpty()) restoreFailure = QString::fromUtf8(e.what());
    }
    ProgressBar1.setVisible(false);
    PicBitMap.setMousePointer(0);
    Command17.setVisible(true);

    QString message = QStringLiteral("L'ora non è stata eseguita:\n%1\n\n").arg(outcome.failure);
    if (restoreFailure.isEmpty())
        message += QStringLiteral("La campagna è com'era prima dell'ora.");
    else
        message += QStringLiteral("Non è stato possibile riportare la campagna com'era prima dell'ora:\n%1")
                       .arg(restoreFailure);
    if (!outcome.restoreFailure.isEmpty())
        message +=
            QStringLiteral("\n\nLa campagna viene chiusa: sarà riportata com'era prima dell'ora quando "
                           "verrà aperta di nuovo.");
    MsgBox(message, vbCritical, QStringLiteral("RUN TIME"));
}

// ---------------------------------------------------------------- the contact button

void FrmMain::Command23_Click() {
    unloadContactBoard();
    setHourLock(HourLock::Board);
    showContactBoard();
    Label17.setCaption(
        QStringLiteral("E' buona norma verificare che tutti i combattimenti siano stai eseguiti"));
}
