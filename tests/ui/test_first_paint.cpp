#include "ui/FirstPaint.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Writes down, at each of its paints, how often the work has run by then.
class PaintLog final : public QWidget
{
public:
    explicit PaintLog(const int &runs) : m_runs(runs) { resize(64, 32); }
    std::vector<int> runsSeenByPaints;

protected:
    void paintEvent(QPaintEvent *) override { runsSeenByPaints.push_back(m_runs); }

private:
    const int &m_runs;
};

} // namespace

// Work put after the first paint runs once, after that paint has returned to the event loop,
// and never before the window has been painted.
TEST(FirstPaint, WorkRunsOnceAfterTheFirstPaintHasReturned)
{
    int runs = 0;
    PaintLog window(runs);
    ui::runAfterFirstPaint(window, [&] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "not painted yet";

    window.show();
    for (int i = 0; i < 100 && runs == 0; ++i)
        QCoreApplication::processEvents();
    ASSERT_FALSE(window.runsSeenByPaints.empty());
    EXPECT_EQ(window.runsSeenByPaints.front(), 0);
    EXPECT_EQ(runs, 1);

    window.repaint();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_GE(window.runsSeenByPaints.size(), 2u);
}
