#include "ScreenReport.h"

#include "Form.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace platform {

namespace {

QString escaped(QString s) {
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return s;
}

QString rect(const QRect& r) {
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect onScreen(const QWidget* w, const QRect& r) {
    return QRect(w->mapToGlobal(r.topLeft()), r.size());
}

QString className(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className());
}

QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        QString t = b->text();
        if (b->isCheckable()) t += b->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        return t;
    }
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->toPlainText();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* p = qobject_cast<const QProgressBar*>(w)) return QString::number(p->value());
    // A list: how many rows it holds, so that a script knows when it has scrolled through them.
    if (auto* v = qobject_cast<const QAbstractItemView*>(w); v && v->model())
        return QString::number(v->model()->rowCount(v->rootIndex()));
    return {};
}

// A control of a window, or a widget of a dialog, that a script may look for; plain containers
// are left out.
bool reported(const QWidget* w) {
    return !w->objectName().isEmpty() || qobject_cast<const QLabel*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w);
}

// The report of one window.
struct WindowReport {
    QStringList& out;
    QString title;
    // The items of control arrays share their array's name: they are told apart by their index.
    QHash<const QWidget*, int> indices;

    QString nameOf(const QWidget* w) const {
        const auto found = indices.find(w);
        return found == indices.end() ? w->objectName()
                                      : QStringLiteral("%1(%2)").arg(w->objectName()).arg(*found);
    }

    void item(const QWidget* w, const QString& text, int row, bool enabled, const QRect& r) {
        out << QStringLiteral("I\t%1\t%2\t%3\t%4\t%5\t%6\t%7")
                   .arg(escaped(title), escaped(nameOf(w)), className(w), escaped(text))
                   .arg(row)
                   .arg(enabled ? 1 : 0)
                   .arg(rect(r));
    }

    void actions(const QWidget* w, const std::function<QRect(QAction*)>& geometry) {
        const auto all = w->actions();
        for (int i = 0; i < all.size(); ++i) {
            QAction* a = all[i];
            const QRect r = a->isVisible() && !a->isSeparator() ? geometry(a) : QRect();
            if (!r.isEmpty()) item(w, a->text(), i, a->isEnabled(), onScreen(w, r));
        }
    }

    void controls(const QWidget* parent) {
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || !w->isVisible() || w->isWindow()) continue;
            if (reported(w))
                out << QStringLiteral("C\t%1\t%2\t%3\t%4\t%5\t%6")
                           .arg(escaped(title), escaped(nameOf(w)), className(w), escaped(textOf(w)))
                           .arg(w->isEnabled() ? 1 : 0)
                           .arg(rect(onScreen(w, w->rect())));
            // The rows of a list, of an open combo box's list or of a file dialog's, each where
            // it shows.
            if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
                const QRect shown = view->viewport()->rect();
                const QModelIndex root = view->rootIndex();
                for (int row = 0; row < view->model()->rowCount(root); ++row) {
                    const QModelIndex index = view->model()->index(row, 0, root);
                    const QRect r = view->visualRect(index);
                    if (r.intersects(shown))
                        item(view, index.data().toString(), row, true,
                             onScreen(view->viewport(), r.intersected(shown)));
                }
            }
            if (auto* bar = qobject_cast<QMenuBar*>(w))
                actions(bar, [bar](QAction* a) { return bar->actionGeometry(a); });
            controls(w);
        }
    }

    void collectIndices(Container& container) {
        for (Control* c : container.children()) {
            if (c->widget() && c->index() >= 0) indices.insert(c->widget(), c->index());
            if (auto* inner = dynamic_cast<Container*>(c)) collectIndices(*inner);
        }
    }

    // Where each shown picture box paints its picture, and the coordinates the picture spans:
    // a point of a map is clicked where it is drawn.
    void pictures(Container& container) {
        for (Control* c : container.children()) {
            if (!c->widget() || !c->widget()->isVisible()) continue;
            if (auto* box = dynamic_cast<PictureBox*>(c))
                out << QStringLiteral("P\t%1\t%2\t%3 %4 %5 %6\t%7")
                           .arg(escaped(title), escaped(nameOf(c->widget())))
                           .arg(box->scaleLeft())
                           .arg(box->scaleTop())
                           .arg(box->scaleWidth())
                           .arg(box->scaleHeight())
                           .arg(rect(onScreen(c->widget(), box->shownPicture().toRect())));
            if (auto* inner = dynamic_cast<Container*>(c)) pictures(*inner);
        }
    }
};

} // namespace

QString screenReport() {
    QStringList out;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        WindowReport window{out, top->windowTitle(), {}};
        Form* form = nullptr;
        for (const auto& [type, loaded] : FormRegistry::loaded())
            if (loaded->window() == top) form = loaded.get();
        if (form) window.collectIndices(*form);
        out << QStringLiteral("W\t%1\t%2\t%3\t%4\t%5")
                   .arg(escaped(window.title), escaped(top->objectName()), className(top))
                   .arg(rect(top->geometry()))
                   .arg(top->isActiveWindow() ? 1 : 0);
        if (auto* menu = qobject_cast<QMenu*>(top))
            window.actions(menu, [menu](QAction* a) { return menu->actionGeometry(a); });
        window.controls(top);
        if (form) window.pictures(*form);
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void startScreenReport(const QString& path) {
    auto* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return;
    // Written when the program has handled its events and waits, at most every 50 ms: a wait
    // sooner than that sets a timer, whose firing wakes the loop, and the wait after it writes.
    struct State {
        QString last;
        QElapsedTimer since;
        QTimer timer;
        bool timerFired = false;
    };
    auto* state = new State;
    state->timer.setSingleShot(true);
    state->timer.setInterval(50);
    auto write = [state, path] {
        const QString now = screenReport();
        state->since.start();
        if (now == state->last) return;
        // Renamed into place, so that a reader never sees half a report; nothing is flushed to
        // the disk, which a reader on the same machine does not need.
        const QString part = path + QStringLiteral(".part");
        QFile file(part);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
        const QByteArray bytes = now.toUtf8();
        const bool written = file.write(bytes) == bytes.size();
        file.close();
        if (written &&
            std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) == 0)
            state->last = now;
    };
    QObject::connect(&state->timer, &QTimer::timeout, [state] { state->timerFired = true; });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [state, write] {
        if (state->timerFired || !state->since.isValid() || state->since.elapsed() >= 50) {
            state->timerFired = false;
            write();
        } else if (!state->timer.isActive()) {
            state->timer.start();
        }
    });
    QObject::connect(qApp, &QObject::destroyed, [state] { delete state; });
}

} // namespace platform
