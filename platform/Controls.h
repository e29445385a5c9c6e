// The controls of the windows: each keeps the properties and events the windows use, in the old
// toolkit's units (twips, 15 to a logical pixel) and colours, over a Qt widget.
//
// Events are plain callbacks that a window sets in its constructor. They are raised by the user's
// actions and, as the old toolkit did, by some changes made in code:
//   - TextBox::setText raises Change when the text changes;
//   - ListBox::setListIndex and ComboBox::setListIndex raise Click (for an index of 0 or more);
//   - CheckBox::setValue raises Click when the value changes;
//   - OptionButton::setValue(true) raises Click when the button was not already set;
//   - ComboBox::setText (editable style) raises Change;
//   - Label::setCaption raises Change when the caption changes.
// Each control also has doClick()/doDblClick() etc. that act as the user would, for tests.
//
// Every change made in code is told first to aboutToChange(): while the windows are kept
// (KeptWindows.h), the control's standing before its first change is kept, and put back without
// an event should the step fail. A change the user makes before a handler runs is the user's.
#pragma once

#include "Colors.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <future>
#include <memory>
#include <vector>

class QPainter;
class QWidget;
class QLabel;
class QPushButton;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QComboBox;
class QCheckBox;
class QRadioButton;
class QProgressBar;
class QFont;
class QPen;

namespace platform {

constexpr int kTwipsPerPixel = 15;

class Form;
class Control;

// Mouse buttons and shift states of the mouse events.
enum MouseButton { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

using MouseHandler = std::function<void(int button, int shift, double x, double y)>;
using Handler = std::function<void()>;

// Something that holds controls: a window, a frame or a picture box.
class Container {
  public:
    virtual ~Container() = default;
    virtual QWidget* childArea() = 0;
    virtual Form* form() = 0;
    void adopt(Control* c) { children_.push_back(c); }
    const std::vector<Control*>& children() const { return children_; }
    // Told before a control in it goes in front of or behind the others (Control::zOrder): while
    // the windows are kept, the order they lie in is kept first.
    void aboutToRestack();

  private:
    std::vector<Control*> children_;
    // The keeping moment (KeptWindows.h) the order was kept for.
    unsigned long long restackKeptAt_ = 0;
};

// Control::zOrder: in front of the other controls of the container, or behind them.
enum ZOrderPosition { vbBringToFront = 0, vbSendToBack = 1 };

class Control {
  public:
    Control(Container& parent, const QString& name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    void setIndex(int i) { index_ = i; }
    QWidget* widget() const { return widget_; }
    Container& parent() const { return parent_; }

    // Position and size in twips within the container.
    void move(int left, int top, int width = -1, int height = -1);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { move(v, top_); }
    void setTop(int v) { move(left_, v); }
    void setWidth(int v) { move(left_, top_, v, height_); }
    void setHeight(int v) { move(left_, top_, width_, v); }

    // The control's own flags, whatever its container's state.
    bool visible() const { return visible_; }
    virtual void setVisible(bool v);
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool v);

    long backColor() const { return back_; }
    virtual void setBackColor(long c);
    long foreColor() const { return fore_; }
    virtual void setForeColor(long c);
    const QString& toolTipText() const { return tip_; }
    void setToolTipText(const QString& t);
    void setFontSize(double points);
    // The font size given to the control at the design size; 0 for the program's size.
    double fontPoints() const { return fontPoints_; }
    void setFontBold(bool bold);
    void setFontName(const QString& family);
    void setFocus();
    // Puts the control in front of the other controls of its container (vbBringToFront) or behind
    // them (vbSendToBack).
    void zOrder(int position = vbBringToFront);
    // Mouse pointer: 0 default, 15 four arrows (size all), 99 custom is treated as default.
    int mousePointer() const { return pointer_; }
    void setMousePointer(int p);

    Handler Click, DblClick, GotFocus, LostFocus;
    MouseHandler MouseDown, MouseMove, MouseUp;

    // Acting as the user would.
    virtual void doClick();
    virtual void doDblClick();
    void doMouseDown(int button, int shift, double x, double y);
    void doMouseMove(int button, int shift, double x, double y);
    void doMouseUp(int button, int shift, double x, double y);

    // Raising an event from code or from the widget.
    void raise(const Handler& h);
    void raiseMouse(const MouseHandler& h, int button, int shift, double x, double y);

    // Twips to pixels and back, at the window's scale; picture boxes map their own scale.
    virtual double toScaleX(int px) const;
    virtual double toScaleY(int py) const;
    // Twips to pixels at the window's scale.
    int toPixels(int twips) const;
    // The window's scale changed: place, size, font and pictures again.
    virtual void applyScale();

  protected:
    void setWidget(QWidget* w);
    virtual void applyColors();
    void applyFont();
    QWidget* parentWidget() const;
    // Told before the control changes (see above).
    void aboutToChange();
    // What the control shows now, and what puts it back so without an event: each kind adds its own.
    virtual std::function<void()> standing();

    Container& parent_;
    QString name_;
    int index_ = -1;
    QWidget* widget_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool visible_ = true;
    bool enabled_ = true;
    long back_ = vbButtonFace;
    long fore_ = vbButtonText;
    QString tip_;
    int pointer_ = 0;
    // A font of the control's own (size 0: the program's size), scaled with the window.
    bool ownFont_ = false;
    double fontPoints_ = 0;
    // The keeping moment (KeptWindows.h) the control's standing was kept for.
    unsigned long long keptAt_ = 0;
};

// The smallest text the windows show, in points: a window scaled down never draws its texts
// smaller (a text designed smaller keeps its size).
constexpr double kSmallestPoints = 7;
double scaledPoints(double points, double scale);

// What a window keeps of its control arrays, whatever their controls' type.
class ControlArrayBase {
  public:
    virtual ~ControlArrayBase() = default;
    // The control at `index`; nullptr where there is none.
    virtual Control* item(int index) const = 0;
};

// A caption as the screen shows it, without the old toolkit's access-key marks ("&Chiudi" ->
// "Chiudi", "A && B" -> "A & B").
QString withoutMarks(const QString& s);

// A control array: controls sharing one name, told apart by index.
template <class T> class ControlArray : public ControlArrayBase {
  public:
    ControlArray() = default;
    Control* item(int i) const override { return has(i) ? items_[i].get() : nullptr; }
    template <class... Args> T& add(int index, Container& parent, const QString& name, Args&&... args) {
        if (index >= int(items_.size())) items_.resize(index + 1);
        items_[index] = std::make_unique<T>(parent, name, std::forward<Args>(args)...);
        items_[index]->setIndex(index);
        return *items_[index];
    }
    T& operator[](int i) { return *items_.at(i); }
    const T& operator[](int i) const { return *items_.at(i); }
    bool has(int i) const { return i >= 0 && i < int(items_.size()) && items_[i]; }
    int lbound() const {
        for (int i = 0; i < int(items_.size()); ++i)
            if (items_[i]) return i;
        return 0;
    }
    int ubound() const { return int(items_.size()) - 1; }

  private:
    std::vector<std::unique_ptr<T>> items_;
};

// Text caption; "&" marks are not shown, "&&" shows one "&".
class Label : public Control {
  public:
    Label(Container& parent, const QString& name, const QString& caption = QString());
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 transparent, 1 opaque (the default).
    int backStyle() const { return backStyle_; }
    void setBackStyle(int s);
    // 0 none, 1 fixed single.
    int borderStyle() const { return border_; }
    void setBorderStyle(int s);
    // 0 left, 1 right, 2 centre.
    void setAlignment(int a);
    void setWordWrap(bool w);
    // A heading over columns: the caption's words, split where two or more blanks stand between
    // them, are shown from these offsets (twips from the label's left), one part to a column.
    void setColumns(const std::vector<int>& starts);
    Handler Change;
    void applyScale() override;

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    void showCaption();
    QLabel* label_;
    QString caption_;
    std::vector<int> columns_;
    int backStyle_ = 1;
    int border_ = 0;
};

class CommandButton : public Control {
  public:
    CommandButton(Container& parent, const QString& name, const QString& caption = QString());
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    // A graphical button shows a picture (and its caption under it when not empty).
    void setPicture(const QImage& img);
    void doClick() override;
    void applyScale() override;

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    void showCaption();
    QPushButton* button_;
    QString caption_;
    QImage picture_;
};

class Frame : public Control, public Container {
  public:
    Frame(Container& parent, const QString& name, const QString& caption = QString());
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 none, 1 fixed single (the default).
    void setBorderStyle(int s);
    QWidget* childArea() override;
    Form* form() override;
    void setEnabled(bool v) override;

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    QGroupBox* box_;
    QString caption_;
    int border_ = 1;
};

class TextBox : public Control {
  public:
    TextBox(Container& parent, const QString& name, bool multiLine = false);
    QString text() const;
    void setText(const QString& t);
    void setMaxLength(int n);
    void setLocked(bool locked);
    void setAlignment(int a);
    void setSelection(int start, int length);
    // The key typed (its character code); setting it to 0 drops the key.
    std::function<void(int& keyAscii)> KeyPress;
    Handler Change;
    // Types a text as the user would, one key at a time through KeyPress.
    void doType(const QString& keys);

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    friend class TextBoxBridge;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
    bool settingByCode_ = false;
};

class ListBox : public Control {
  public:
    ListBox(Container& parent, const QString& name);
    void addItem(const QString& item, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    QString list(int index) const;
    void setList(int index, const QString& text);
    int itemData(int index) const;
    void setItemData(int index, int data);
    int listIndex() const;
    void setListIndex(int index);
    int newIndex() const { return newIndex_; }
    QString text() const; // the selected item's text
    void setSorted(bool s);
    bool sorted() const { return sorted_; }
    void setMultiSelect(bool m);
    bool selected(int index) const;
    void setSelected(int index, bool s);
    int topIndex() const;
    // The user picks an item (Click) or double-clicks it (DblClick).
    void doPick(int index);
    void doPickDouble(int index);

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    friend class ListBridge;
    QListWidget* list_;
    bool sorted_ = false;
    int newIndex_ = -1;
    bool changedByPress_ = false;
};

class ComboBox : public Control {
  public:
    // Style 0: drop-down combo (text can be typed); 2: drop-down list.
    ComboBox(Container& parent, const QString& name, int style = 0);
    // A drop-down combo that only offers picks: its text is the caption set by code or the item
    // picked, and typing into it is refused with a beep.
    void setPickOnly();
    void addItem(const QString& item, int index = -1);
    void removeItem(int index);
    void clear();
    int listCount() const;
    QString list(int index) const;
    int itemData(int index) const;
    void setItemData(int index, int data);
    int listIndex() const;
    void setListIndex(int index);
    int newIndex() const { return newIndex_; }
    QString text() const;
    void setText(const QString& t);
    void setSorted(bool s);
    Handler Change;
    std::function<void(int& keyAscii)> KeyPress;
    // The user picks an item from the list.
    void doPick(int index);

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    void fitDropDown(const QString& item);
    void showTextStart();
    QComboBox* combo_;
    int style_;
    bool sorted_ = false;
    int newIndex_ = -1;
    int widestItem_ = 0;
};

class CheckBox : public Control {
  public:
    CheckBox(Container& parent, const QString& name, const QString& caption = QString());
    // 0 unticked, 1 ticked, 2 grey.
    int value() const { return value_; }
    void setValue(int v);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    // A graphical box is a toggle button showing a picture.
    void setGraphical(const QImage& img);
    void doClick() override;
    void applyScale() override;

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    QCheckBox* check_ = nullptr;
    QPushButton* toggle_ = nullptr;
    QImage graphic_;
    QString caption_;
    int value_ = 0;
};

class OptionButton : public Control {
  public:
    OptionButton(Container& parent, const QString& name, const QString& caption = QString());
    bool value() const;
    void setValue(bool v);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& c);
    void doClick() override;

  protected:
    void applyColors() override;
    std::function<void()> standing() override;

  private:
    QRadioButton* radio_;
    QString caption_;
};

// A picture that can be clicked; with stretch off the control takes the picture's size.
class Image : public Control {
  public:
    Image(Container& parent, const QString& name);
    void setPicture(const QImage& img);
    // Loads a picture file; false (and an empty picture) when it cannot be read.
    bool loadPicture(const QString& path);
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    void setStretch(bool s);
    void setBorderStyle(int s);
    void applyScale() override;

  protected:
    std::function<void()> standing() override;

  private:
    void show();
    QLabel* label_;
    QImage picture_;
    bool stretch_ = false;
};

// A straight line between two points (twips) of its container.
class Line : public Control {
  public:
    Line(Container& parent, const QString& name, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0);
    void setPoints(int x1, int y1, int x2, int y2);
    void setBorderColor(long c);
    void setBorderWidth(int w);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }

  protected:
    std::function<void()> standing() override;

  private:
    friend class LineWidget;
    int x1_, y1_, x2_, y2_;
    long colour_ = vbBlack;
    int penWidth_ = 1;
};

class ProgressBar : public Control {
  public:
    ProgressBar(Container& parent, const QString& name);
    void setMin(int v);
    void setMax(int v);
    int min() const;
    int max() const;
    int value() const;
    void setValue(int v);

  protected:
    std::function<void()> standing() override;

  private:
    QProgressBar* bar_;
};

// A picture box: a backing image with drawings on it in the box's own scale, painted scaled
// to the widget (keeping its proportions, from the top left, unless the window gives the area it
// is painted in). It can also hold controls, which are placed in twips.
class PictureBox : public Control, public Container {
  public:
    PictureBox(Container& parent, const QString& name);
    QWidget* childArea() override;
    Form* form() override;

    // The image the box shows, without and with the drawings.
    void setPicture(const QImage& img);
    bool loadPicture(const QString& path); // false (and a blank picture) when unreadable
    const QImage& picture() const { return picture_; }
    const QImage& image() const {
        finishDrawing();
        return canvas_;
    }
    bool hasPicture() const { return !picture_.isNull(); }
    void setBorderStyle(int s);
    // The area (twips, from the top left) the picture is painted in, stretched to it; an empty
    // size paints it as large as the box holds it in its proportions.
    void setPictureArea(QSize twips);
    QSize pictureArea() const { return area_; }
    // Where the picture is painted in the box's widget (pixels).
    QRectF shownPicture() const;

    // While a hold lives, the box goes on showing the image (and background colour) it showed
    // when the hold began, and shows what was drawn meanwhile when the hold ends: a step that
    // redraws the picture while it paints other controls at once (each such painting would paint
    // the whole picture again) shows it once, whole, at its end. Holds do not nest.
    class ShownHold {
      public:
        explicit ShownHold(PictureBox& box);
        ~ShownHold();
        ShownHold(const ShownHold&) = delete;
        ShownHold& operator=(const ShownHold&) = delete;

      private:
        PictureBox& box_;
    };

    // While a DrawnAside lives, the box's drawings are only taken down; when it ends they are made,
    // in the same order, on another thread while the program goes on (the hour's activity circles
    // while its files are flushed to the disk). Whatever then reaches the box's image, to draw, read
    // or show it, waits until they are done.
    class DrawnAside {
      public:
        explicit DrawnAside(PictureBox& box);
        ~DrawnAside();
        DrawnAside(const DrawnAside&) = delete;
        DrawnAside& operator=(const DrawnAside&) = delete;

      private:
        PictureBox& box_;
        int exceptions_;
    };
    ~PictureBox() override;

    // The box's coordinate system: the picture spans (left, top) .. (left+width, top+height).
    void setScale(double left, double top, double width, double height);
    double scaleLeft() const { return sl_; }
    double scaleTop() const { return st_; }
    double scaleWidth() const { return sw_; }
    double scaleHeight() const { return sh_; }

    // Drawing, in scale units. Drawings stay until cls() or a new picture.
    void cls();
    void pset(double x, double y, long colour);
    void line(double x1, double y1, double x2, double y2, long colour);
    void box(double x1, double y1, double x2, double y2, long colour, bool filled);
    void circle(double x, double y, double radius, long colour);
    void print(const QString& text); // at currentX/currentY; the position moves to the next line
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    // The colour of a point of the backing image; -1 outside it.
    long point(double x, double y) const;

    // Where print() prints next; the drawings leave it at their last point.
    double currentX() const { return currentX_; }
    void setCurrentX(double x);
    double currentY() const { return currentY_; }
    void setCurrentY(double y);
    // The width of lines in pixels as shown, and their style: 0 solid, 1 dash, 2 dot.
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int w);
    int drawStyle() const { return drawStyle_; }
    void setDrawStyle(int s);
    // How boxes and circles are filled: 0 solid, in fillColor; 1 transparent.
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int s);
    long fillColor() const { return fillColor_; }
    void setFillColor(long c);
    // The font of print() and of the text measures (the box's own font is Control's).
    double printFontSize() const { return printFontSize_; }
    void setPrintFontSize(double points);
    bool printFontBold() const { return printFontBold_; }
    void setPrintFontBold(bool bold);

    double toScaleX(int px) const override;
    double toScaleY(int py) const override;

  protected:
    std::function<void()> standing() override;

  private:
    friend class PictureWidget;
    void ensureCanvas();
    // While the windows are kept, what a change of the canvas covers is kept first: the pixels of
    // `area` (canvas pixels) a drawing covers, or the whole canvas a change replaces (no area).
    // The canvas as first changed is taken whole, without a copy, while it is the picture itself.
    void keepCanvas(const QRectF& area = QRectF());
    // Widths of lines are in pixels as shown (the old toolkit's DrawWidth is in screen pixels):
    // image pixels per shown pixel, at least 1.
    double imagePixelsPerShownPixel() const;
    QPen pen(long colour) const;
    QPointF toPixels(double x, double y) const;
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;
    void updateWidget();

    // The image and background painted: the canvas's, or those held by a ShownHold.
    const QImage& shownImage() const { return held_ ? heldImage_ : image(); }

    // One drawing on the canvas: made at once, or taken down while a DrawnAside lives.
    void draw(std::function<void(QPainter&)> drawing);
    // Waits for the drawings made on another thread.
    void finishDrawing() const noexcept;

    // Before a drawing: the canvas in a picture of its own, made in the spare image when there is
    // one of the same size (its memory is the program's already).
    void ownCanvas();

    QImage picture_;
    QImage canvas_;
    QImage spare_; // the image a hold showed, for the next canvas of its own
    bool held_ = false;
    QImage heldImage_;
    long heldBack_ = 0;
    bool drawingAside_ = false;
    std::vector<std::function<void(QPainter&)>> drawnAside_;
    mutable std::future<void> drawing_; // the drawings made on another thread
    double sl_ = 0, st_ = 0, sw_ = 0, sh_ = 0;
    bool customScale_ = false;
    // A drawing value changed: the box's standing is kept first, so that a failed step puts it back.
    template <class T> void keepAndSet(T& field, T value) {
        if (field == value) return;
        aboutToChange();
        field = value;
    }
    double currentX_ = 0, currentY_ = 0;
    int drawWidth_ = 1;
    int drawStyle_ = 0;
    int fillStyle_ = 1;
    long fillColor_ = vbBlack;
    double printFontSize_ = 8;
    bool printFontBold_ = false;
    int border_ = 0;
    QSize area_;
    // What keepCanvas kept since the keeping moment it noted.
    unsigned long long keptMoment_ = 0;
    bool canvasKept_ = false;
    long long keptPixels_ = 0;
};

} // namespace platform
