#include "sound/mdlM_Tape.h"
#include "TapeFakes.h"

#include <gtest/gtest.h>

using sound::mdlM_Tape;
using TapeButton = sound::TapeHost::TapeButton;

namespace {

QStringList stopLines(int count, const QString &flags = QStringLiteral("0,0"))
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("次は、停留所%1です。,%2").arg(i).arg(flags);
    return lines;
}

} // namespace

class TapeTest : public ::testing::Test
{
protected:
    TapeTest()
        : host(log), tape(host, [this]() -> std::unique_ptr<speech::TextToSpeech> {
              ++factoryCalls;
              if (!speechAvailable)
                  return nullptr;
              auto s = std::make_unique<FakeSpeech>(log);
              speech = s.get();
              return s;
          })
    {
    }

    // Speech usable and route 1 loaded from `lines`; the log starts empty afterwards.
    void loadRoute(const QStringList &lines)
    {
        tape.InitSpeech();
        writeBroadcastFile(dir, QStringLiteral("1tp.csv"), lines);
        tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
        log.clear();
    }

    // The console's "送り" and "戻し": the tape, then the fare step when the entry asks for it.
    void clickNext()
    {
        tape.TapeNext();
        if (tape.EntryStepFlag(tape.GetTapePos()) == 1)
            log << QStringLiteral("data forward");
    }
    void clickBack()
    {
        tape.TapeBack();
        if (tape.EntryStepFlag(tape.GetTapePos()) == 1)
            log << QStringLiteral("data back");
    }

    QTemporaryDir dir;
    QStringList log;
    FakeTapeHost host;
    FakeSpeech *speech = nullptr;
    bool speechAvailable = true;
    int factoryCalls = 0;
    mdlM_Tape tape;
};

// --- speech availability --------------------------------------------------------------

TEST_F(TapeTest, SpeechAvailableEnablesTheGroup)
{
    tape.InitSpeech();
    EXPECT_TRUE(tape.SpeechUsable());
    EXPECT_EQ(log, QStringList({QStringLiteral("group on"), QStringLiteral("caption 音合使用可")}));
    // The buttons wait for broadcast data.
    EXPECT_TRUE(host.buttons.empty());
}

TEST_F(TapeTest, NoSpeechComponentDisablesTheGroupSilently)
{
    speechAvailable = false;
    tape.InitSpeech();
    EXPECT_FALSE(tape.SpeechUsable());
    EXPECT_EQ(log, QStringList({QStringLiteral("caption 音合使用不可"), QStringLiteral("group off")}));

    // The tape still loads, but its buttons stay off and nothing is spoken or fails.
    writeBroadcastFile(dir, QStringLiteral("1tp.csv"), stopLines(3, QStringLiteral("1,1")));
    log.clear();
    tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
    EXPECT_EQ(tape.GetTapeCount(), 3);
    EXPECT_TRUE(log.isEmpty());
    tape.TapeNext();
    tape.StopAnnouncement();
    tape.ShowVoiceSettings(nullptr);
    EXPECT_EQ(log, QStringList({QStringLiteral("play slot4.wav S3 wait")}));
}

TEST_F(TapeTest, WindowsVistaNeverUsesSpeechNorReadsBroadcastData)
{
    host.os = QStringLiteral("Windows Vista");
    tape.InitSpeech();
    EXPECT_EQ(factoryCalls, 0);
    EXPECT_FALSE(tape.SpeechUsable());
    EXPECT_EQ(host.caption, QStringLiteral("音合使用不可"));
    EXPECT_FALSE(host.groupEnabled);

    writeBroadcastFile(dir, QStringLiteral("1tp.csv"), stopLines(3));
    log.clear();
    tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
    EXPECT_EQ(tape.GetTapeCount(), 0);
    EXPECT_TRUE(log.isEmpty());

    // Only the exact name counts.
    host.os = QStringLiteral("Windows Vista Business");
    tape.InitSpeech();
    EXPECT_TRUE(tape.SpeechUsable());
}

TEST_F(TapeTest, ReleaseSpeechDropsTheComponent)
{
    tape.InitSpeech();
    tape.ReleaseSpeech();
    writeBroadcastFile(dir, QStringLiteral("1tp.csv"), stopLines(2));
    tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
    log.clear();
    tape.TapeNext();
    tape.StopAnnouncement();
    EXPECT_TRUE(log.isEmpty());
}

// --- loading ---------------------------------------------------------------------------

TEST_F(TapeTest, LoadingEnablesGroupAndButtonsInOrder)
{
    tape.InitSpeech();
    writeBroadcastFile(dir, QStringLiteral("1tp.csv"), stopLines(20));
    log.clear();
    tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
    EXPECT_EQ(log, QStringList({QStringLiteral("group on"), QStringLiteral("button Next on"), QStringLiteral("button Back on"),
                                QStringLiteral("button Stop on"), QStringLiteral("button Set on")}));
    EXPECT_EQ(tape.GetTapeCount(), 20);
    EXPECT_EQ(tape.GetTapePos(), 0);
}

TEST_F(TapeTest, RouteIsReadAsANumber)
{
    tape.InitSpeech();
    writeBroadcastFile(dir, QStringLiteral("7tp.csv"), stopLines(4));
    // The folder may or may not end in "/".
    tape.LoadBroadcastData(dir.path(), QStringLiteral("007"));
    EXPECT_EQ(tape.GetTapeCount(), 4);
    // The folder's readings file goes to the voice with the route.
    EXPECT_EQ(speech->routeReadings, dir.filePath(QStringLiteral("readings.txt")));
    tape.LoadBroadcastData(dir.path() + u'/', QStringLiteral("7"));
    EXPECT_EQ(tape.GetTapeCount(), 4);
    EXPECT_TRUE(host.groupEnabled);
    EXPECT_EQ(sound::BroadcastData::filePath(QStringLiteral("/data"), QStringLiteral("00123")),
              QStringLiteral("/data/123tp.csv"));
    EXPECT_EQ(sound::BroadcastData::filePath(QString(), QString()), QStringLiteral("0tp.csv"));
}

TEST_F(TapeTest, ShorterFileAfterLongerOneGivesItsOwnCount)
{
    loadRoute(stopLines(10));
    clickNext();
    clickNext();
    writeBroadcastFile(dir, QStringLiteral("2tp.csv"), stopLines(3));
    tape.LoadBroadcastData(dir.path(), QStringLiteral("2"));
    EXPECT_EQ(tape.GetTapeCount(), 3);
    EXPECT_EQ(tape.GetTapePos(), 0);
    EXPECT_EQ(tape.EntryStepFlag(4), 0);
    EXPECT_EQ(tape.Entry(4), nullptr);
}

TEST_F(TapeTest, MissingOrMalformedFileDisablesTheGroupSilently)
{
    loadRoute(stopLines(5));
    ASSERT_TRUE(host.groupEnabled);
    tape.LoadBroadcastData(dir.path(), QStringLiteral("9"));
    EXPECT_EQ(log, QStringList({QStringLiteral("group off")}));
    EXPECT_EQ(tape.GetTapeCount(), 0);

    // A good file enables it again; a broken one after it disables it, and the entries of the
    // good one are gone.
    tape.LoadBroadcastData(dir.path(), QStringLiteral("1"));
    EXPECT_TRUE(host.groupEnabled);
    writeBroadcastFile(dir, QStringLiteral("3tp.csv"), {QStringLiteral("次は、駅前です。,1,x")});
    tape.LoadBroadcastData(dir.path(), QStringLiteral("3"));
    EXPECT_FALSE(host.groupEnabled);
    EXPECT_EQ(tape.GetTapeCount(), 0);
    log.clear();
    clickNext();
    EXPECT_TRUE(log.isEmpty());
}

// --- stepping and announcing -----------------------------------------------------------------

TEST_F(TapeTest, FirstNextAnnouncesEntryOne)
{
    loadRoute({QStringLiteral("次は、市役所前です。お降りの方はお知らせください。,0,1"), QStringLiteral("次は、東町です。,1,2")});
    clickNext();
    EXPECT_EQ(tape.GetTapePos(), 1);
    EXPECT_EQ(log, QStringList({QStringLiteral("play slot4.wav S3 wait"), QStringLiteral("stop"),
                                QStringLiteral("speak 次は、市役所前です。お降りの方はお知らせください。")}));
    log.clear();
    clickNext();
    // The fare step comes after the announcement has started.
    EXPECT_EQ(log, QStringList({QStringLiteral("play slot5.wav S3 wait"), QStringLiteral("stop"),
                                QStringLiteral("speak 次は、東町です。"), QStringLiteral("data forward")}));
}

TEST_F(TapeTest, BackAtEntryOneStaysSilentButStillStepsByItsFlag)
{
    loadRoute({QStringLiteral("一番目,1,1"), QStringLiteral("二番目,0,2")});
    clickNext();
    log.clear();
    clickBack();
    EXPECT_EQ(tape.GetTapePos(), 1);
    // Nothing is played or spoken, but entry 1 asks for a fare step, so the console steps back.
    EXPECT_EQ(log, QStringList({QStringLiteral("data back")}));
}

TEST_F(TapeTest, NextAtTheLastEntryStaysSilentButStillStepsByItsFlag)
{
    loadRoute({QStringLiteral("一番目,0,0"), QStringLiteral("終点です,1,3")});
    clickNext();
    clickNext();
    log.clear();
    clickNext();
    EXPECT_EQ(tape.GetTapePos(), 2);
    EXPECT_EQ(log, QStringList({QStringLiteral("data forward")}));
}

TEST_F(TapeTest, BackRightAfterLoadingMovesToEntryOneSilently)
{
    loadRoute({QStringLiteral("一番目,0,1"), QStringLiteral("二番目,0,2")});
    clickBack();
    EXPECT_EQ(tape.GetTapePos(), 1);
    EXPECT_TRUE(log.isEmpty());
    clickNext();
    EXPECT_EQ(tape.GetTapePos(), 2);
    EXPECT_TRUE(log.contains(QStringLiteral("speak 二番目")));
}

TEST_F(TapeTest, SoundFlagsOutsideOneToThreePlayNothingButAnnounce)
{
    loadRoute({QStringLiteral("零,0,0"), QStringLiteral("四,0,4"), QStringLiteral("負,0,-1")});
    for (const char *text : {"零", "四", "負"}) {
        log.clear();
        clickNext();
        EXPECT_EQ(log, QStringList({QStringLiteral("stop"), QStringLiteral("speak ") + QString::fromUtf8(text)}));
    }
}

TEST_F(TapeTest, AlwaysSoundIsForTheWayForwardOnly)
{
    loadRoute({QStringLiteral("一,0,1"), QStringLiteral("二,0,2"), QStringLiteral("三,0,3"), QStringLiteral("四,0,0")});
    host.always = true;
    QStringList forward;
    for (int i = 0; i < 4; ++i) {
        log.clear();
        clickNext();
        forward << log.first();
    }
    EXPECT_EQ(forward, QStringList(4, QStringLiteral("play slot3.wav S3 wait")));

    QStringList back;
    for (int i = 0; i < 3; ++i) {
        log.clear();
        clickBack();
        back << log.first();
    }
    EXPECT_EQ(back, QStringList({QStringLiteral("play slot6.wav S2 wait"), QStringLiteral("play slot5.wav S2 wait"),
                                 QStringLiteral("play slot4.wav S2 wait")}));
}

TEST_F(TapeTest, AsynchronousOptionDoesNotWaitForTheSound)
{
    loadRoute({QStringLiteral("一,0,1"), QStringLiteral("二,0,2")});
    host.waits = false;
    clickNext();
    clickNext();
    clickBack();
    EXPECT_EQ(log.filter(QStringLiteral("play")),
              QStringList({QStringLiteral("play slot4.wav S3 nowait"), QStringLiteral("play slot5.wav S3 nowait"),
                           QStringLiteral("play slot4.wav S2 nowait")}));
}

TEST_F(TapeTest, FailedStateIsStoppedAgain)
{
    loadRoute({QStringLiteral("一,0,0")});
    speech->stateAfterSpeak = speech::TextToSpeech::Failed;
    tape.AnnounceEntry(1);
    EXPECT_EQ(log, QStringList({QStringLiteral("stop"), QStringLiteral("speak 一"), QStringLiteral("stop")}));
}

TEST_F(TapeTest, AnnouncingAnEntryThatDoesNotExistOnlyStops)
{
    loadRoute({QStringLiteral("一,0,0")});
    tape.AnnounceEntry(0);
    tape.AnnounceEntry(2);
    EXPECT_EQ(log, QStringList({QStringLiteral("stop"), QStringLiteral("stop")}));
}

TEST_F(TapeTest, FlagsOutsideTheTapeReadZero)
{
    loadRoute({QStringLiteral("一,5,-7")});
    EXPECT_EQ(tape.EntryStepFlag(1), 5);
    EXPECT_EQ(tape.EntrySoundFlag(1), -7);
    for (int32_t index : {0, -1, 2, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(tape.EntryStepFlag(index), 0);
        EXPECT_EQ(tape.EntrySoundFlag(index), 0);
    }
}

TEST_F(TapeTest, StopAndSettingsGoToTheSpeechComponent)
{
    tape.InitSpeech();
    log.clear();
    tape.StopAnnouncement();
    tape.ShowVoiceSettings(reinterpret_cast<QWidget *>(&host));
    EXPECT_EQ(log, QStringList({QStringLiteral("stop"), QStringLiteral("settings owner 音声の調節")}));
}
