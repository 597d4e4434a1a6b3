#pragma once
// Waiting for widgets to be painted: the in-process benchmarks time a change
// up to the moment every widget that shows it has been painted again.
//
//   Reset ──► change (click, text, date) ──► WaitUntilAllPainted
//                                              └─► event loop until each watched widget saw a paint

#include <QObject>
#include <vector>

class QWidget;

namespace bench {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::vector<QWidget*> widgets);
    ~PaintWatch() override;
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    // Forgets the paints seen so far.
    void Reset();
    // Runs the event loop until every watched widget has been painted since
    // the last Reset; false when that takes longer than a second, which means
    // a widget was never asked to repaint.
    bool WaitUntilAllPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> widgets_;
    std::vector<bool> painted_;
    size_t unpainted_ = 0;
};

}  // namespace bench
