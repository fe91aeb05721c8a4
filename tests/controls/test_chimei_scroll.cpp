// The scroll of long names, driven by a clock the tests step by hand.
#include "ChimeiTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <vector>

using namespace chimei_test;
using controls::ChimeiCtl_DX;

namespace {

const QString Nine = QStringLiteral("東京駅八重洲北口前"); // 9 units, strip 486 wide
const QString Twelve = QStringLiteral("東京駅八重洲北口前広場行"); // 12 units, strip 648 wide

class ChimeiScrollTest : public ::testing::Test
{
protected:
    controls::ManualScrollClock clock{1000};
    ChimeiCtl_DX display{nullptr, &clock};

    // The clock moves one millisecond and the display catches up, as often as asked.
    void millis(int count)
    {
        for (int i = 0; i < count; ++i) {
            ++clock.now;
            display.advanceScroll();
        }
    }
    // The same time in display frames.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            clock.now += ChimeiCtl_DX::FrameIntervalMs;
            display.advanceScroll();
        }
    }
    QRgb foreColour() const { return base::toQColor(display.ForeColor()).rgb(); }
    bool stageShowsDots() const
    {
        const QImage stage = display.stageImage();
        for (int y = 0; y < stage.height(); ++y)
            for (int x = 0; x < stage.width(); ++x)
                if (stage.pixel(x, y) == foreColour())
                    return true;
        return false;
    }
};

} // namespace

TEST_F(ChimeiScrollTest, Speed200MovesTwoPixelsPerStep)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    // The first step is made as the name is set: 1 pixel, then 1 more before the next step.
    EXPECT_EQ(display.stripLeft(), 431);
    millis(1);
    EXPECT_EQ(display.stripLeft(), 429);
    millis(10);
    EXPECT_EQ(display.stripLeft(), 409);
}

TEST_F(ChimeiScrollTest, Speed400MovesFourPixelsPerStep)
{
    display.setSpeed(400);
    display.SetChimei(Nine);
    EXPECT_EQ(display.stripLeft(), 430);
    millis(1);
    EXPECT_EQ(display.stripLeft(), 426);
    frames(2);
    EXPECT_EQ(display.stripLeft(), 426 - 4 * 32);
}

TEST_F(ChimeiScrollTest, DefaultSpeedMovesOnePixelEveryFortySteps)
{
    display.SetChimei(Nine);
    EXPECT_EQ(display.Speed(), 5);
    EXPECT_EQ(display.stripLeft(), 432);
    millis(10);
    EXPECT_EQ(display.stripLeft(), 432); // 431.75 is still drawn at 432
    millis(1000 - 10);
    EXPECT_EQ(display.stripLeft(), 407);
}

TEST_F(ChimeiScrollTest, SpeedZeroBecomesOneWhenTheScrollStarts)
{
    QStringList reported;
    QObject::connect(&display, &ChimeiCtl_DX::propertyChanged, [&](const QString &n) { reported << n; });
    display.setSpeed(0);
    display.SetChimei(QStringLiteral("駅前"));
    EXPECT_EQ(display.Speed(), 0); // a name that stands does not touch it
    display.SetChimei(Nine);
    EXPECT_EQ(display.Speed(), 1);
    EXPECT_EQ(reported, QStringList({"Speed", "Speed"}));
    millis(1000);
    EXPECT_EQ(display.stripLeft(), 427);
}

TEST_F(ChimeiScrollTest, PausesBeyondTheRightEdgeEachTimeTheNameHasPassed)
{
    display.setSpeed(400);
    display.setScrollStartWait(700);
    display.SetChimei(Nine);
    // Left edge 434 - 4k after step k; the strip (486 wide) has left at step 230, at 229 ms.
    millis(228);
    EXPECT_EQ(display.stripLeft(), 434 - 4 * 229);
    millis(1);
    EXPECT_EQ(display.stripLeft(), 432);
    EXPECT_FALSE(stageShowsDots());

    display.setScrollStartWait(300); // read again at the next re-entry only
    millis(699);
    EXPECT_EQ(display.stripLeft(), 432);
    millis(1);
    EXPECT_EQ(display.stripLeft(), 428);
    millis(5);
    EXPECT_EQ(display.stripLeft(), 408);
    EXPECT_TRUE(stageShowsDots());

    // Second pass: out after 230 more steps, then the shorter pause.
    millis(224);
    EXPECT_EQ(display.stripLeft(), 432);
    millis(299);
    EXPECT_EQ(display.stripLeft(), 432);
    millis(1);
    EXPECT_EQ(display.stripLeft(), 428);
}

TEST_F(ChimeiScrollTest, ABlockedThreadDoesNotMakeTheNameJump)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    frames(3);
    const int before = display.stripLeft();
    clock.now += 3000; // a lamp test holds the thread
    display.advanceScroll();
    const int jump = before - display.stripLeft();
    EXPECT_GT(jump, 0);
    EXPECT_LE(jump, 2 * (ChimeiCtl_DX::FrameIntervalMs * 2 + 1));
}

TEST_F(ChimeiScrollTest, AShortNameStopsTheScrollAndStands)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    frames(5);
    display.SetChimei(QStringLiteral("駅前"));
    EXPECT_FALSE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 0);
    frames(100);
    EXPECT_EQ(display.stripLeft(), 0);
    EXPECT_EQ(display.stripImage().width(), 432);
    EXPECT_EQ(cellAt(display.stripImage(), 135), glyph("駅"));
}

TEST_F(ChimeiScrollTest, ALongNameReplacesTheScrollingOneFromTheRightEdge)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    frames(10);
    ASSERT_LT(display.stripLeft(), 300);
    display.SetChimei(Twelve);
    EXPECT_TRUE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 431);
    EXPECT_EQ(display.stripImage().width(), 12 * 54);
    EXPECT_EQ(cellAt(display.stripImage(), 11 * 54), glyph("行"));
    millis(1);
    EXPECT_EQ(display.stripLeft(), 429);
}

TEST_F(ChimeiScrollTest, AnEmptyNameBlanksTheDisplayWhileTheScrollGoesOn)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    frames(10);
    display.SetChimei(QString());
    EXPECT_TRUE(blank(display.stripImage()));
    EXPECT_TRUE(display.isScrolling());
    const int before = display.stripLeft();
    frames(10);
    EXPECT_LT(display.stripLeft(), before);
    EXPECT_FALSE(stageShowsDots());

    display.SetChimei(QStringLiteral("駅前"));
    EXPECT_FALSE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 0);
}

TEST_F(ChimeiScrollTest, SevenUnitsAfterThePrefixJumpToTheRightEdgeAtOnce)
{
    display.setTsugiwaMode(2);
    display.SetChimei(QStringLiteral("東京駅八重洲北"));
    EXPECT_TRUE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 432);
}

TEST_F(ChimeiScrollTest, TheFrameTimerDrivesTheScroll)
{
    display.setSpeed(200);
    display.SetChimei(Nine);
    const int start = display.stripLeft();
    clock.now += 10;
    QElapsedTimer waited;
    waited.start();
    while (display.stripLeft() == start && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(display.stripLeft(), start - 20);
}

TEST_F(ChimeiScrollTest, ANegativePauseComesBackAtOnce)
{
    display.setSpeed(400);
    display.setScrollStartWait(-5);
    display.SetChimei(Nine);
    millis(229);
    EXPECT_EQ(display.stripLeft(), 428); // re-entered and made the next step in the same millisecond
}

namespace {

// A scroll as it ran before its frames were timed by the strip's moves: the left edge after
// SetChimei and after every millisecond of the clock, summed up as an FNV-1a fingerprint.
struct RecordedScroll
{
    const char *what;
    QString name;
    int16_t speed;
    int32_t startWait;
    int ms;
    uint64_t fingerprint;
};

uint64_t fingerprintOf(const std::vector<int> &lefts)
{
    uint64_t hash = 1469598103934665603ull;
    for (int left : lefts)
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (static_cast<uint32_t>(left) >> (8 * byte)) & 0xff;
            hash *= 1099511628211ull;
        }
    return hash;
}

void startScroll(ChimeiCtl_DX &display, const RecordedScroll &run)
{
    display.setSpeed(run.speed);
    display.setScrollStartWait(run.startWait);
    display.SetChimei(run.name);
}

} // namespace

// The strip takes the same positions at the same times as before, whether the clock is looked at
// every millisecond or only at the frames the display asks for; those frames come exactly when
// the strip moves, no later, and at most once per frame interval.
TEST(ChimeiScrollTiming, KeepsTheRecordedPositionsAndDrawsOnlyWhenTheStripMoves)
{
    const RecordedScroll runs[] = {
        {"Speed 5", Nine, 5, 1500, 40000, 0xd166e5ee1e5cb5b8ull},
        {"Speed 200 without pause", Twelve, 200, 0, 2000, 0x6ec8f39b662b4957ull},
        {"Speed 37", Nine, 37, 300, 11000, 0x1748d6fe73053916ull},
        {"Speed 400", Nine, 400, 700, 1500, 0x1cba57704fc862f6ull},
        {"Speed 1", Nine, 1, 1500, 5000, 0xe3bcf1b391b487f8ull},
        {"Speed -30", Nine, -30, 1500, 3000, 0xc1e0c95a379f3946ull},
    };
    for (const RecordedScroll &run : runs) {
        controls::ManualScrollClock clock;
        const int64_t start = clock.now;
        ChimeiCtl_DX everyMs(nullptr, &clock);
        startScroll(everyMs, run);
        std::vector<int> lefts{everyMs.stripLeft()};
        int moves = 0;
        for (int i = 0; i < run.ms; ++i) {
            ++clock.now;
            everyMs.advanceScroll();
            moves += everyMs.stripLeft() != lefts.back();
            lefts.push_back(everyMs.stripLeft());
        }
        EXPECT_EQ(fingerprintOf(lefts), run.fingerprint) << run.what;

        controls::ManualScrollClock frameClock;
        ChimeiCtl_DX framed(nullptr, &frameClock);
        startScroll(framed, run);
        int frames = 0;
        while (framed.nextFrameMs() <= start + run.ms) {
            const int64_t previous = frameClock.now;
            const int64_t next = framed.nextFrameMs();
            ASSERT_GT(next, previous) << run.what;
            bool missedAMove = false;
            for (int64_t t = previous + 1; t < next; ++t)
                missedAMove |= lefts[t - start] != lefts[previous - start];
            // A move may fall between two frames only when they are as close as allowed.
            if (missedAMove) {
                EXPECT_EQ(next - previous, ChimeiCtl_DX::FrameIntervalMs) << run.what << " at " << next;
            }
            frameClock.now = next;
            framed.advanceScroll();
            ++frames;
            ASSERT_EQ(framed.stripLeft(), lefts[next - start]) << run.what << " at " << next;
        }
        EXPECT_LE(frames, moves) << run.what;
        if (run.speed == 5 || run.speed == 1) {
            EXPECT_EQ(frames, moves) << run.what;
        }
    }
}
