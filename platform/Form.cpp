#include "Form.h"

#include "Dialogs.h"
#include "Files.h"
#include "ScreenReport.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {
std::vector<std::shared_ptr<Form>>& graveyard() {
    static std::vector<std::shared_ptr<Form>> g;
    return g;
}
bool& endedFlag() {
    static bool e = false;
    return e;
}
std::function<void(Form&)>& modalHandler() {
    static std::function<void(Form&)> h;
    return h;
}

// Qt's own dialogs (file, print, page set-up) and standard buttons speak Italian like the
// programs; without the translation file they stay in English.
void loadQtTranslation(QCoreApplication& app) {
    auto* t = new QTranslator(&app);
    if (t->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(t);
    else
        delete t;
}

void scheduleCollect() {
    if (QCoreApplication::instance()) QTimer::singleShot(0, [] { collectUnloadedForms(); });
}

// Where each window type stood when last shown, so that a window hidden or built anew comes back
// there instead of wherever the window manager puts a new window.
std::map<QString, QPoint>& places() {
    static std::map<QString, QPoint> p;
    return p;
}

// Room for the title bar and border that the window manager adds, as the window's place allows
// for them.
constexpr int kFrameRoom = 8, kTitleRoom = 30;

void scaleControls(const Container& c) {
    for (Control* child : c.children()) {
        child->applyScale();
        if (auto* inner = dynamic_cast<const Container*>(child)) scaleControls(*inner);
    }
}

// The controls that take the focus, in the order they are laid out: row after row from the top,
// each row from the left, a frame's controls where the frame stands. A control belongs to the row
// of the one before when it starts above that one's middle.
void tabOrder(const Container& c, std::vector<QWidget*>& out) {
    std::vector<Control*> kids = c.children();
    std::stable_sort(kids.begin(), kids.end(),
                     [](const Control* a, const Control* b) { return a->top() < b->top(); });
    std::vector<Control*> placed;
    for (size_t i = 0; i < kids.size();) {
        size_t end = i + 1;
        const int rowBottom = kids[i]->top() + std::max(1, kids[i]->height()) / 2;
        while (end < kids.size() && kids[end]->top() < rowBottom) ++end;
        std::stable_sort(kids.begin() + long(i), kids.begin() + long(end),
                         [](const Control* a, const Control* b) { return a->left() < b->left(); });
        i = end;
    }
    for (Control* k : kids) {
        if (QWidget* w = k->widget(); w && (w->focusPolicy() & Qt::TabFocus)) out.push_back(w);
        if (auto* inner = dynamic_cast<const Container*>(k)) tabOrder(*inner, out);
    }
}
} // namespace

// The top-level widget of a window: its close box unloads the window.
class FormWindow : public QMainWindow {
  public:
    explicit FormWindow(Form* f) : f_(f) {}

  protected:
    void closeEvent(QCloseEvent* e) override {
        if (f_->unloaded_) {
            e->accept();
            return;
        }
        runHandler([&] { unloadForm(*f_, vbFormControlMenu); });
        // A window whose closing failed is back as it stood (KeptWindows.h): it stays open.
        if (f_->unloaded_)
            e->accept();
        else
            e->ignore();
    }
    void hideEvent(QHideEvent* e) override {
        if (!e->spontaneous()) places()[f_->name_] = geometry().topLeft();
        QMainWindow::hideEvent(e);
        if (f_->stopModal_ && !f_->visible_) f_->stopModal_();
    }
    void moveEvent(QMoveEvent* e) override {
        QMainWindow::moveEvent(e);
        if (isVisible()) places()[f_->name_] = geometry().topLeft();
    }

  private:
    Form* f_;
};

// The client area: back colour and background picture.
class FormClient : public QWidget {
  public:
    explicit FormClient(Form* f) : f_(f) { setAutoFillBackground(true); }
    QImage picture;

  protected:
    void resizeEvent(QResizeEvent*) override {
        f_->clientResized();
        runHandler([this] { f_->Form_Resize(); });
    }
    void paintEvent(QPaintEvent*) override {
        if (picture.isNull()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform, f_->scale_ != 1);
        p.scale(f_->scale_, f_->scale_);
        p.drawImage(0, 0, picture);
    }

  private:
    Form* f_;
};

Form::Form(const QString& name) : name_(name) {
    window_ = new FormWindow(this);
    window_->setObjectName(name);
    client_ = new FormClient(this);
    window_->setCentralWidget(client_);
    setBackColor(back_);
    setSize(width_, height_);
}

Form::~Form() {
    kept::forget(this);
    stopModal_ = nullptr;
    delete window_;
}

void Form::aboutToChange() {
    if (kept::keeping(this)) kept::note(this, [this] { return standing(); });
}

std::function<void()> Form::standing() {
    return [this, caption = caption_, back = back_, picture = picture_, visible = visible_, width = width_,
            height = height_, fixed = fixedBorder_] {
        if (caption_ != caption) setCaption(caption);
        if (back_ != back) setBackColor(back);
        if (picture_.cacheKey() != picture.cacheKey()) setPicture(picture);
        if (width_ != width || height_ != height) setSize(width, height);
        if (fixedBorder_ != fixed) setFixedBorder(fixed);
        if (visible && !visible_) {
            visible_ = true;
            window_->show();
        } else if (!visible && visible_) {
            visible_ = false;
            window_->hide();
        }
    };
}

std::logic_error Form::missingControl(const char* name) {
    return std::logic_error(std::string("the layout table made no control ") + name + " of that type");
}

bool Form::splitItemName(const QString& item, QString& name, int& index) {
    const qsizetype open = item.indexOf(u'(');
    if (open <= 0 || !item.endsWith(u')')) return false;
    bool ok = false;
    index = item.mid(open + 1, item.size() - open - 2).toInt(&ok);
    if (!ok || index < 0) return false;
    name = item.left(open);
    return true;
}

Control* Form::madeControl(const QString& name) const {
    if (auto found = madeNames_.find(name); found != madeNames_.end()) return found->second;
    QString array;
    int index = 0;
    if (!splitItemName(name, array, index)) return nullptr;
    const ControlArrayBase* a = madeArray(array);
    return a ? a->item(index) : nullptr;
}

ControlArrayBase* Form::madeArray(const QString& name) const {
    auto found = arrays_.find(name);
    return found == arrays_.end() ? nullptr : found->second.get();
}

Control& Form::keepMade(std::unique_ptr<Control> c) {
    Control& kept = *c;
    if (!madeNames_.emplace(kept.name(), &kept).second)
        throw std::logic_error("the layout table makes " + kept.name().toStdString() + " twice");
    made_.push_back(std::move(c));
    return kept;
}

void Form::keepArray(const QString& name, std::unique_ptr<ControlArrayBase> a) {
    arrays_[name] = std::move(a);
}

QWidget* Form::childArea() {
    return client_;
}

int Form::clientWidth() const {
    return int(std::lround(client_->width() * kTwipsPerPixel / scale_));
}
int Form::clientHeight() const {
    return int(std::lround(client_->height() * kTwipsPerPixel / scale_));
}

double Form::screenScale() const {
    const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return 1;
    const QRect room = screen->availableGeometry();
    const int menuH = window_->menuWidget() ? window_->menuBar()->sizeHint().height() : 0;
    const double across = double(room.width() - 2 * kFrameRoom) * kTwipsPerPixel / std::max(1, width_);
    const double down =
        double(room.height() - kTitleRoom - kFrameRoom - menuH) * kTwipsPerPixel / std::max(1, height_);
    return std::clamp(std::min(across, down), 0.1, 1.0);
}

void Form::setScale(double s) {
    if (s == scale_) return;
    scale_ = s;
    QFont f = QApplication::font();
    f.setPointSizeF(scaledPoints(f.pointSizeF(), s));
    client_->setFont(f);
    scaleControls(*this);
    client_->update();
}

void Form::fitToScreen() {
    if (!window_->isMaximized() && !window_->isFullScreen()) setScale(screenScale());
    placeWindow();
}

void Form::clientResized() {
    // A maximised window scales to its room; another to the screen's, or to less when the window
    // manager gives it less room than it asked for.
    const double across = double(client_->width()) * kTwipsPerPixel / std::max(1, width_);
    const double down = double(client_->height()) * kTwipsPerPixel / std::max(1, height_);
    const double room = std::min({1.0, across, down});
    if (window_->isMaximized() || window_->isFullScreen()) {
        setScale(room);
        return;
    }
    if (!window_->isVisible()) return;
    const double screen = screenScale();
    setScale(room < screen - 1.0 / 200 ? room : screen);
}

void Form::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    window_->setWindowTitle(c);
}

void Form::setSize(int width, int height) {
    aboutToChange();
    width_ = width;
    height_ = height;
    fitToScreen();
}

void Form::placeWindow() {
    const int menuH = window_->menuWidget() ? window_->menuBar()->sizeHint().height() : 0;
    const QSize size(std::max(60, int(std::lround(width_ * scale_ / kTwipsPerPixel))),
                     std::max(40, int(std::lround(height_ * scale_ / kTwipsPerPixel)) + menuH));
    if (fixedBorder_)
        window_->setFixedSize(size);
    else
        window_->resize(size);
}

void Form::setWindowState(int s) {
    state_ = s;
    if (s == 2)
        window_->setWindowState(Qt::WindowMaximized);
    else if (s == 1)
        window_->setWindowState(Qt::WindowMinimized);
    else
        window_->setWindowState(Qt::WindowNoState);
}

void Form::setIcon(const QString& path) {
    QImage img;
    if (fileExists(path) && img.load(diskPath(path))) window_->setWindowIcon(QIcon(QPixmap::fromImage(img)));
}

void Form::setBackColor(long c) {
    aboutToChange();
    back_ = c;
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, toQColor(c));
    client_->setPalette(p);
}

void Form::setPicture(const QImage& img) {
    aboutToChange();
    picture_ = img;
    static_cast<FormClient*>(client_)->picture = img;
    client_->update();
}

void Form::setFixedBorder(bool fixed) {
    aboutToChange();
    fixedBorder_ = fixed;
    if (fixed)
        window_->setFixedSize(window_->size());
    else
        window_->setMinimumSize(0, 0), window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Form::setFirstPlace(const QPoint& topLeft) {
    firstPlace_ = topLeft;
}

void Form::setOwner(Form& owner) {
    // The window system keeps only a dialog above the window it is transient for; the native
    // windows exist from here on, so that the window manager learns whose it is.
    window_->setWindowFlag(Qt::Dialog, true);
    window_->winId();
    owner.window_->winId();
    if (QWindow* w = window_->windowHandle()) w->setTransientParent(owner.window_->windowHandle());
}

void Form::placeBeforeShowing() {
    orderTabs();
    if (window_->isVisible()) return;
    fitToScreen();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize size = window_->size();
    // A first showing is centred unless the window names its place; either way the window lies wholly on the
    // screen when it fits.
    const auto it = places().find(name_);
    QPoint at = it != places().end() ? it->second
                : firstPlace_        ? *firstPlace_
                                     : room.center() - QPoint(size.width() / 2, size.height() / 2);
    // Room for the title bar and border that the window manager adds.
    constexpr int kFrameWidth = 8, kTitleHeight = 30;
    at.setX(std::max(room.left(), std::min(at.x(), room.right() - size.width() - kFrameWidth)));
    at.setY(
        std::max(room.top() + kTitleHeight, std::min(at.y(), room.bottom() - size.height() - kFrameWidth)));
    // The place of the client area, not of the frame: the frame's size is not known before the
    // window manager has framed the window, and a place read back with one and set without it
    // would move the window by the title bar at each showing.
    window_->setGeometry(QRect(at, size));
}

void Form::show() {
    if (unloaded_) return;
    aboutToChange();
    visible_ = true;
    window_->setWindowModality(Qt::NonModal);
    const bool opens = !window_->isVisible();
    placeBeforeShowing();
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (opens) focusFirstControl();
    runHandler([this] { Form_Activate(); });
}

void Form::orderTabs() {
    std::vector<QWidget*> order;
    tabOrder(*this, order);
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form::focusFirstControl() {
    // A window that opens, the first time or again, gives the focus to its first control; shown
    // while it stands open, it leaves the focus where it is.
    std::vector<QWidget*> order;
    tabOrder(*this, order);
    for (QWidget* w : order)
        if (w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

void Form::showModal() {
    if (unloaded_) return;
    auto keep = shared_from_this(); // stays alive while the loop runs, even if unloaded
    // What the handler that shows the window did so far is made whole first; the window's own
    // handlers are outermost while it waits.
    const ModalWait wait;
    visible_ = true;
    ++modalDepth_;
    if (modalHandler()) {
        modalHandler()(*this);
        --modalDepth_;
        if (!unloaded_) hide();
        return;
    }
    if (headless()) {
        --modalDepth_;
        if (!unloaded_) hide();
        return;
    }
    window_->setWindowModality(Qt::ApplicationModal);
    placeBeforeShowing();
    window_->show();
    window_->raise();
    window_->activateWindow();
    focusFirstControl();
    runHandler([this] { Form_Activate(); });
    QEventLoop loop;
    stopModal_ = [&loop] { loop.quit(); };
    // A window shown again (a step that closed it undone) waits on.
    while (visible_ && !unloaded_ && !programEnded()) loop.exec();
    stopModal_ = nullptr;
    --modalDepth_;
}

void Form::hide() {
    aboutToChange();
    visible_ = false;
    window_->hide();
    if (stopModal_) stopModal_();
}

QImage Form::grabImage() const {
    return client_->grab().toImage();
}

QMenuBar* Form::menuBar() {
    QMenuBar* bar = window_->menuBar();
    return bar;
}

// ---------------------------------------------------------------- menus

Menu::Menu(Form& form, const QString& name, const QString& caption)
    : form_(&form), name_(name), caption_(caption) {
    menu_ = form.menuBar()->addMenu(caption);
    action_ = menu_->menuAction();
    QObject::connect(menu_, &QMenu::aboutToShow, [this] {
        if (Click) runHandler(Click, [this] { return source(); });
    });
    form.placeWindow();
}

Menu::Menu(Menu& parent, const QString& name, const QString& caption)
    : form_(parent.form_), parent_(&parent), name_(name), caption_(caption) {
    QMenu* into = parent.submenu();
    if (isSeparator()) {
        action_ = into->addSeparator();
    } else {
        action_ = into->addAction(caption);
        QObject::connect(action_, &QAction::triggered, [this] {
            if (!menu_ && Click) runHandler(Click, [this] { return source(); });
        });
    }
}

Menu::~Menu() {
    kept::forget(this);
}

void Menu::aboutToChange() {
    if (!kept::keeping(form_)) return;
    kept::note(this, [this] {
        return [this, caption = caption_, enabled = enabled_, visible = visible_, checked = checked_] {
            setCaption(caption);
            setEnabled(enabled);
            setVisible(visible);
            if (checked_ != checked) setChecked(checked);
        };
    });
}

QMenu* Menu::submenu() {
    if (!menu_) {
        menu_ = new QMenu(caption_, form_->window());
        action_->setMenu(menu_);
        QObject::connect(menu_, &QMenu::aboutToShow, [this] {
            if (Click) runHandler(Click, [this] { return source(); });
        });
    }
    return menu_;
}

QString Menu::path() const {
    QString words;
    for (const Menu* m = this; m; m = m->parent_) {
        const QString shown = withoutMarks(m->caption_).simplified();
        words = words.isEmpty() ? shown : shown + QStringLiteral(" > ") + words;
    }
    return words;
}

HandlerSource Menu::source() const {
    return {form_->caption().simplified(), path()};
}

void Menu::setCaption(const QString& c) {
    aboutToChange();
    caption_ = c;
    if (action_) action_->setText(c);
    if (menu_) menu_->setTitle(c);
}

void Menu::setEnabled(bool e) {
    aboutToChange();
    enabled_ = e;
    if (action_) action_->setEnabled(e);
}

void Menu::setVisible(bool v) {
    aboutToChange();
    visible_ = v;
    if (action_) action_->setVisible(v);
}

void Menu::setChecked(bool c) {
    aboutToChange();
    checked_ = c;
    if (action_) {
        action_->setCheckable(true);
        action_->setChecked(c);
    }
}

void Menu::doClick() {
    if (!enabled_ || !visible_ || isSeparator()) return;
    for (Menu* p = parent_; p; p = p->parent_)
        if (!p->enabled_ || !p->visible_) return;
    if (Click) runHandler(Click, [this] { return source(); });
}

// ---------------------------------------------------------------- registry

std::map<std::type_index, std::shared_ptr<Form>>& FormRegistry::loaded() {
    static std::map<std::type_index, std::shared_ptr<Form>> m;
    return m;
}

std::shared_ptr<Form> FormRegistry::find(std::type_index t) {
    auto& m = loaded();
    auto it = m.find(t);
    return it == m.end() ? nullptr : it->second;
}

void FormRegistry::add(std::type_index t, std::shared_ptr<Form> f) {
    loaded()[t] = std::move(f);
}

namespace {
// The unloading of every window going on now (nested when a window's closing unloads the others):
// the windows whose closing has begun in it.
struct ClosingPass {
    int depth = 0;
    std::set<const Form*> begun;
};
ClosingPass& closingPass() {
    static ClosingPass pass;
    return pass;
}
} // namespace

bool unloadForm(Form& f, int mode) {
    if (f.unloaded_) return true;
    if (closingPass().depth > 0) closingPass().begun.insert(&f);
    int cancel = 0;
    f.Form_QueryUnload(cancel, mode);
    if (cancel) return false;
    f.Form_Unload(cancel);
    if (cancel) return false;
    f.aboutToChange();
    f.unloaded_ = true;
    f.visible_ = false;
    f.window_->hide();
    if (f.stopModal_) f.stopModal_();
    auto& m = FormRegistry::loaded();
    for (auto it = m.begin(); it != m.end(); ++it) {
        if (it->second.get() == &f) {
            graveyard().push_back(it->second);
            m.erase(it);
            break;
        }
    }
    scheduleCollect();
    return true;
}

void unloadAllForms(const Form* but) {
    // Each window is closed once. One that refuses leaves anyway; so does one whose closing failed,
    // put back by the undoing of its step (or of the step of the window that closed it): its
    // saving, undone and told, is not tried again.
    ClosingPass& pass = closingPass();
    struct Depth {
        ClosingPass& pass;
        explicit Depth(ClosingPass& p) : pass(p) { ++pass.depth; }
        ~Depth() {
            if (--pass.depth == 0) pass.begun.clear();
        }
    } depth(pass);
    // A window that goes as it stands, without an event of its own.
    const auto leave = [](const std::shared_ptr<Form>& f) {
        f->aboutToChange();
        f->unloaded_ = true;
        f->visible_ = false;
        f->window_->hide();
        if (f->stopModal_) f->stopModal_();
        auto& m = FormRegistry::loaded();
        for (auto it = m.begin(); it != m.end(); ++it)
            if (it->second == f) {
                graveyard().push_back(f);
                m.erase(it);
                break;
            }
        scheduleCollect();
    };
    // Unloading one window may load or unload others: take them one at a time.
    for (int guard = 0; guard < 1000; ++guard) {
        auto& m = FormRegistry::loaded();
        const auto next =
            std::find_if(m.begin(), m.end(), [but](const auto& e) { return e.second.get() != but; });
        if (next == m.end()) break;
        std::shared_ptr<Form> f = next->second;
        if (pass.begun.count(f.get())) {
            leave(f);
            continue;
        }
        if (handlerDepth() > 0)
            unloadForm(*f, vbAppWindows);
        else
            runHandler([&] { unloadForm(*f, vbAppWindows); });
        pass.begun.insert(f.get());
        if (!f->unloaded_) leave(f);
    }
}

void collectUnloadedForms() {
    if (handlerDepth() > 0) {
        scheduleCollect();
        return;
    }
    auto dead = std::move(graveyard());
    graveyard().clear();
    dead.clear();
}

void endProgram() {
    endedFlag() = true;
    try {
        unloadAllForms();
    } catch (...) {
        // A window's unloading failed: the step is undone and the program goes on.
        endedFlag() = false;
        throw;
    }
    if (QCoreApplication::instance()) QCoreApplication::exit(0);
}

bool programEnded() {
    return endedFlag();
}

void initApplication(const QString& programName) {
    QCoreApplication::setApplicationName(programName);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        loadQtTranslation(*app);
        app->setQuitOnLastWindowClosed(false);
        if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"))) app->setStyle(s);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(8);
        app->setFont(f);
        QPalette p = app->style()->standardPalette();
        p.setColor(QPalette::Window, toQColor(vbButtonFace));
        p.setColor(QPalette::Button, toQColor(vbButtonFace));
        p.setColor(QPalette::ToolTipBase, toQColor(0x80000018L));
        app->setPalette(p);
    }
    // For a script that plays the program from outside (tests/play/).
    const QString report = qEnvironmentVariable("ZELTWAR_SCREEN_REPORT");
    if (!report.isEmpty()) startScreenReport(report);
}

// ---------------------------------------------------------------- keeping

namespace {
struct Keeping {
    bool on = false;
    unsigned long long moment = 0;
    // The windows loaded when keeping began, and what puts back their working values.
    std::map<std::type_index, std::shared_ptr<Form>> loaded;
    std::set<const void*> windows;
    std::vector<std::function<void()>> values;
    // What puts back each object changed since, in the order noted; an object's entries.
    std::vector<std::function<void()>> undo;
    std::unordered_map<const void*, std::vector<size_t>> entries;
    std::set<const void*> noted;
};

Keeping& keeping() {
    static Keeping k;
    return k;
}
} // namespace

namespace kept {
bool keeping(const void* owner) {
    const Keeping& k = platform::keeping();
    return k.on && owner && k.windows.count(owner);
}

void note(const void* object, const std::function<std::function<void()>()>& standing) {
    Keeping& k = platform::keeping();
    if (!k.on || !k.noted.insert(object).second) return;
    k.entries[object].push_back(k.undo.size());
    k.undo.push_back(standing());
}

bool noted(const void* object) {
    return platform::keeping().noted.count(object) > 0;
}

void noteMore(const void* object, std::function<void()> back) {
    Keeping& k = platform::keeping();
    if (!k.on) return;
    k.entries[object].push_back(k.undo.size());
    k.undo.push_back(std::move(back));
}

void forget(const void* object) {
    Keeping& k = platform::keeping();
    const auto it = k.entries.find(object);
    if (it == k.entries.end()) return;
    for (size_t i : it->second) k.undo[i] = nullptr;
    k.entries.erase(it);
    k.noted.erase(object);
}

unsigned long long moment() {
    return platform::keeping().moment;
}
} // namespace kept

void keepWindows() {
    forgetKeptWindows();
    Keeping& k = keeping();
    k.loaded = FormRegistry::loaded();
    for (const auto& [type, f] : k.loaded) {
        k.windows.insert(f.get());
        if (auto values = f->keptValues()) k.values.push_back(std::move(values));
    }
    ++k.moment;
    k.on = true;
}

void putWindowsBack() {
    Keeping& k = keeping();
    if (!k.on) return;
    k.on = false;
    auto& registry = FormRegistry::loaded();
    // A window that goes at once, as if never loaded: no event of its own.
    const auto drop = [](const std::shared_ptr<Form>& f) {
        f->unloaded_ = true;
        f->hide();
        graveyard().push_back(f);
        scheduleCollect();
    };
    // The windows unloaded since come back as they were loaded.
    for (const auto& [type, f] : k.loaded) {
        const auto now = registry.find(type);
        if (now != registry.end() && now->second == f) continue;
        if (now != registry.end()) drop(now->second);
        f->unloaded_ = false;
        registry[type] = f;
        auto& dead = graveyard();
        dead.erase(std::remove(dead.begin(), dead.end(), f), dead.end());
    }
    for (auto it = k.undo.rbegin(); it != k.undo.rend(); ++it)
        if (*it) (*it)();
    for (const auto& values : k.values) values();
    // The windows loaded since go.
    for (auto it = registry.begin(); it != registry.end();) {
        if (k.loaded.count(it->first)) {
            ++it;
            continue;
        }
        drop(it->second);
        it = registry.erase(it);
    }
    k.undo.clear();
    k.entries.clear();
    k.noted.clear();
    ++k.moment;
    k.on = true;
}

void forgetKeptWindows() {
    Keeping& k = keeping();
    k.on = false;
    k.loaded.clear();
    k.windows.clear();
    k.values.clear();
    k.undo.clear();
    k.entries.clear();
    k.noted.clear();
}

namespace testing {
void setModalHandler(std::function<void(Form&)> handler) {
    modalHandler() = std::move(handler);
}

void resetForms() {
    unloadAllForms();
    auto dead = std::move(graveyard());
    graveyard().clear();
    dead.clear();
    endedFlag() = false;
}
} // namespace testing

} // namespace platform
