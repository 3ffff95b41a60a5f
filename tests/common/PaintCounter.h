#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace orbilunex::test {

// Counts the paint events a widget receives. A test drives a view's ticks
// by hand (its own clock), then settle() lets the paints that update() asked
// for happen, so that count() says how many pictures were really drawn.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }

    int count() const { return paints; }

    // Delivers what is pending (posted update requests) and returns the
    // count since the last call.
    int settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const int since = paints - reported;
        reported = paints;
        return since;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    int paints = 0;
    int reported = 0;
};

} // namespace orbilunex::test
