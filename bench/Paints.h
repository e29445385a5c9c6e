// The paintings of one widget, counted: what a player has seen of it.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace bench {

class Paints : public QObject {
  public:
    explicit Paints(QWidget* w) : widget_(w) { w->installEventFilter(this); }
    ~Paints() override {
        if (widget_) widget_->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count;
        return false;
    }
    // The events processed until the widget has been painted, and those that follow (the other
    // paintings of the same screen update); false when it is still unpainted after a thousand rounds.
    bool processEventsUntilPainted() {
        for (int round = 0; count == 0 && round < 1000; ++round) QApplication::processEvents();
        QApplication::processEvents();
        return count > 0;
    }
    long long count = 0;

  private:
    QPointer<QWidget> widget_;
};

} // namespace bench
