// Windows: one instance of each window type, created on first use and loaded (Form_Load) then;
// unloading destroys it and the next use builds it anew. The program ends when its own code
// calls endProgram(), not when the last window closes.
#pragma once

#include "Controls.h"
#include "KeptWindows.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <typeindex>
#include <vector>

class QMainWindow;
class QMenu;
class QMenuBar;
class QAction;

namespace platform {

class Menu;

// Unload modes passed to Form_QueryUnload.
enum UnloadMode { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbFormMDIForm = 4 };

class Form : public Container, public std::enable_shared_from_this<Form> {
  public:
    explicit Form(const QString& name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    QWidget* childArea() override;
    Form* form() override { return this; }
    QMainWindow* window() const { return window_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    // Client size in twips.
    void setSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    // The client area as it is now, in twips (the old ScaleWidth / ScaleHeight of a window).
    int clientWidth() const;
    int clientHeight() const;
    // Pixels per design pixel (a twip is 1/15 of a design pixel): 1, or less where the screen's
    // room, or the room of the maximised window, is smaller than the design size. The whole
    // window scales by it: places, sizes, fonts and pictures.
    double scale() const { return scale_; }
    // The scale fitted to the screen the window shows on, and the window sized by it.
    void fitToScreen();
    // 0 normal, 1 minimised, 2 maximised.
    void setWindowState(int s);
    int windowState() const { return state_; }
    void setIcon(const QString& path);
    void setBackColor(long c);
    long backColor() const { return back_; }
    // A background picture drawn at the top left of the client area.
    void setPicture(const QImage& img);
    // Fixed dialog border (not resizable).
    void setFixedBorder(bool fixed);
    // Where the window shows the first time (top left of its client area, screen pixels) instead
    // of the screen's centre; a window shown before comes back where it stood.
    void setFirstPlace(const QPoint& topLeft);
    // Keeps the window above `owner`, as an owned window of the old toolkit: a click on the owner
    // does not bury it.
    void setOwner(Form& owner);

    bool visible() const { return visible_; }
    void show();      // modeless
    void showModal(); // returns when the window is hidden or unloaded
    void hide();
    bool isModalShowing() const { return modalDepth_ > 0; }

    // Events of the window.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Raised when the client area changes size (shown, maximised, resized by the user).
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int& cancel) { (void)cancel; }

    // The controls made by the window's layout table (platform/Layout.h), by name: a control
    // ("Label1") or a control array ("Option1"); throws std::logic_error when the table made none
    // of that name and type. A control array the table made no control of is made empty.
    template <class T> T& control(const char* name) {
        if (auto* c = dynamic_cast<T*>(madeControl(QString::fromUtf8(name)))) return *c;
        throw missingControl(name);
    }
    template <class T> ControlArray<T>& controlArray(const char* name) {
        const QString n = QString::fromUtf8(name);
        if (!madeArray(n)) keepArray(n, std::make_unique<ControlArray<T>>());
        if (auto* a = dynamic_cast<ControlArray<T>*>(madeArray(n))) return *a;
        throw missingControl(name);
    }
    // The same, its type taken from the reference it is bound to:
    //     platform::Label& Label1 = made("Label1");
    //     platform::ControlArray<platform::Label>& Label16 = made("Label16");
    struct Made {
        Form& form;
        const char* name;
        template <class T> operator ControlArray<T>&() const { return form.controlArray<T>(name); }
        template <class T> operator T&() const { return form.control<T>(name); }
    };
    Made made(const char* name) { return {*this, name}; }
    // "Name(index)", an item of a control array, split into its name and index (true); false for
    // a plain name or anything else.
    static bool splitItemName(const QString& item, QString& name, int& index);
    // A control the table made, "Name" or "Name(index)"; nullptr when none.
    Control* madeControl(const QString& name) const;
    ControlArrayBase* madeArray(const QString& name) const;
    // Keeps a control made for the window, or a control array, for the window's life.
    Control& keepMade(std::unique_ptr<Control> c);
    void keepArray(const QString& name, std::unique_ptr<ControlArrayBase> a);

    // The window's working values (FormWith) as they are now, and what puts them back so.
    std::function<void()> keptValues() const { return values_ ? values_() : std::function<void()>(); }

    // Menus (for Menu only).
    QMenuBar* menuBar();
    void placeWindow();
    // Image of the window as shown (for printing a window).
    QImage grabImage() const;

  protected:
    // Set by FormWith: what keeps the window's working values.
    void keepValuesWith(std::function<std::function<void()>()> values) { values_ = std::move(values); }

  private:
    friend void putWindowsBack();
    // Told before the window changes: while the windows are kept, its standing is kept first.
    void aboutToChange();
    std::function<void()> standing();
    void placeBeforeShowing();
    double screenScale() const;
    void setScale(double s);
    void clientResized();
    // Tab goes through the controls in the order they are laid out; the window opens with a
    // control in focus.
    void orderTabs();
    void focusFirstControl();
    friend class FormWindow;
    friend class FormClient;
    friend struct FormRegistry;
    friend bool unloadForm(Form& f, int mode);
    friend void unloadAllForms(const Form* but);

    QString name_;
    QMainWindow* window_;
    QWidget* client_;
    QString caption_;
    int width_ = 4800, height_ = 3600;
    int state_ = 0;
    double scale_ = 1;
    bool fixedBorder_ = false;
    long back_ = vbButtonFace;
    bool visible_ = false;
    bool unloaded_ = false;
    int modalDepth_ = 0;
    std::function<void()> stopModal_;
    QImage picture_;
    std::optional<QPoint> firstPlace_;
    static std::logic_error missingControl(const char* name);
    // Made by the layout table; freed after the window's widgets.
    std::vector<std::unique_ptr<Control>> made_;
    std::map<QString, Control*> madeNames_;
    std::map<QString, std::unique_ptr<ControlArrayBase>> arrays_;
    std::function<std::function<void()>()> values_;
};

// A window with working values that last from one event to the next: they live in `Values` (a
// plain struct, copied as a whole), which the window derives from, so that a step that fails puts
// them back with the window's controls (KeptWindows.h). A window keeps no other values of its own.
template <class Values> class FormWith : public Form, public Values {
  public:
    explicit FormWith(const QString& name) : Form(name) {
        keepValuesWith([this] {
            return [this, kept = static_cast<const Values&>(*this)] { static_cast<Values&>(*this) = kept; };
        });
    }
};

struct HandlerSource;

// A menu or menu item; a caption of "-" is a separator. A menu with items opens a submenu; its
// Click runs when the submenu opens.
class Menu {
  public:
    Menu(Form& form, const QString& name, const QString& caption); // a menu of the bar
    Menu(Menu& parent, const QString& name, const QString& caption);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& name() const { return name_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool checked() const { return checked_; }
    void setChecked(bool c);
    bool isSeparator() const { return caption_ == QStringLiteral("-"); }

    Handler Click;
    // Acting as the user: opens the menu or picks the item (nothing when disabled).
    void doClick();
    QAction* action() const { return action_; }

  private:
    // Told before the menu changes: while the windows are kept, its standing is kept first.
    void aboutToChange();
    QMenu* submenu();
    // The item's caption after those of the menus it lies in ("File > Esci"), as the menus show
    // them: what a handler it raises is told of it.
    QString path() const;
    HandlerSource source() const;
    Form* form_ = nullptr;
    Menu* parent_ = nullptr;
    QString name_;
    QString caption_;
    QAction* action_ = nullptr;
    QMenu* menu_ = nullptr;
    bool enabled_ = true, visible_ = true, checked_ = false;
};

// The registry of window instances.
struct FormRegistry {
    static std::map<std::type_index, std::shared_ptr<Form>>& loaded();
    static std::shared_ptr<Form> find(std::type_index t);
    static void add(std::type_index t, std::shared_ptr<Form> f);
};

// The one instance of a window type; built and loaded on first use.
template <class T> T& form() {
    auto found = FormRegistry::find(typeid(T));
    if (found) return static_cast<T&>(*found);
    auto f = std::make_shared<T>();
    FormRegistry::add(typeid(T), f);
    f->Form_Load();
    return *f;
}

template <class T> bool isLoaded() {
    return FormRegistry::find(typeid(T)) != nullptr;
}

// Unloads a window (its QueryUnload and Unload may cancel); true when it was unloaded.
bool unloadForm(Form& f, int mode = vbFormCode);

template <class T> bool unload() {
    auto found = FormRegistry::find(typeid(T));
    return found ? unloadForm(*found) : true;
}

// Unloads every window (but `but`), one after another, each once; a window that refuses, or whose
// unloading fails, leaves anyway, as it stands. Outside any handler each unloading runs as a
// handler of its own, so that what it writes is one step whose failure is undone and shown like
// any other; a window that such an undoing puts back is not unloaded again (its saving, told as
// not done, is not tried twice) but leaves as it stands.
void unloadAllForms(const Form* but = nullptr);
// Frees the windows unloaded so far, when no event handler is running.
void collectUnloadedForms();
// Ends the program: every window is unloaded and the event loop stops.
void endProgram();
bool programEnded();

// Application-wide set-up: Qt's Italian texts, the font, the colours, and no automatic quit on
// the last window.
void initApplication(const QString& programName);

namespace testing {
// While set, showModal() calls the handler (which drives the window) instead of waiting.
void setModalHandler(std::function<void(Form&)> handler);
// Clears the window registry (every window unloaded and freed) and the program-ended flag.
void resetForms();
} // namespace testing

} // namespace platform
