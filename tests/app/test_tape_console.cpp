#include "AppFixture.h"
#include "controls/M_Degit.h"
#include "settings/FolderPage.h"
#include "settings/SoundPage.h"
#include "settings/frmOption.h"
#include "speech/TextToSpeech.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace {

// A voice that only writes down what it is told.
class RecordingSpeech final : public speech::TextToSpeech
{
public:
    explicit RecordingSpeech(QStringList &log) : m_log(log) {}
    void stop() override { m_log << QStringLiteral("stop"); }
    void speak(const QString &text) override { m_log << QStringLiteral("speak ") + text; }
    int32_t state() const override { return Idle; }
    void showSettings(QWidget *, const QString &title) override { m_log << QStringLiteral("settings ") + title; }

private:
    QStringList &m_log;
};

} // namespace

// The console's tape with the demo routes and their broadcast data.
class TapeConsole : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        forms->optionsWindow().folderPage().Text2[0]->setText(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"));
        forms->optionsWindow().folderPage().Text2[1]->setText(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"));
        for (int slot = 3; slot <= 6; ++slot)
            forms->optionsWindow().soundPage().txtSelectSound[slot]->setText(QStringLiteral("/chime%1.wav").arg(slot));
    }

    void prepareSettings() override {}

    void setRoute(const QString &route, const QString &section = QString())
    {
        console().CommandButton1[10]->click();
        for (QChar c : route)
            console().CommandButton1[c.digitValue()]->click();
        console().CommandButton1[11]->click();
        for (QChar c : section)
            console().CommandButton1[c.digitValue()]->click();
        console().Command1[1]->click();
    }

    QStringList spoken() const
    {
        QStringList out;
        for (const QString &line : speech)
            if (line.startsWith(QStringLiteral("speak ")))
                out << line.mid(6);
        return out;
    }

    QStringList speech;
};

// Speech is there: the fixture's services get a recording voice before the program starts.
class TapeWithSpeech : public TapeConsole
{
protected:
    void SetUp() override
    {
        speechFactory = [this] { return std::make_unique<RecordingSpeech>(speech); };
        TapeConsole::SetUp();
    }
};

TEST_F(TapeConsole, WithoutSpeechTheTapeStaysUnusable)
{
    EXPECT_EQ(console().grpM_Tape->title(), QStringLiteral("音合使用不可"));
    setRoute(QStringLiteral("1"));
    EXPECT_FALSE(console().grpM_Tape->isEnabled());
    EXPECT_FALSE(console().cmdTapeNext->isEnabled());
}

TEST_F(TapeWithSpeech, RouteSettingLoadsTheBroadcastDataAndEnablesTheButtons)
{
    EXPECT_EQ(console().grpM_Tape->title(), QStringLiteral("音合使用可"));
    EXPECT_TRUE(console().grpM_Tape->isEnabled());
    EXPECT_FALSE(console().cmdTapeNext->isEnabled());
    setRoute(QStringLiteral("1"));
    EXPECT_TRUE(console().cmdTapeNext->isEnabled());
    EXPECT_TRUE(console().cmdTapeStop->isEnabled());
}

TEST_F(TapeWithSpeech, NextAnnouncesAndCarriesTheFaresAlong)
{
    setRoute(QStringLiteral("1"));
    played.clear();
    console().cmdTapeNext->click(); // entry 1: the greeting, step flag 0
    ASSERT_EQ(spoken().size(), 1);
    EXPECT_TRUE(spoken()[0].startsWith(QStringLiteral("ご乗車ありがとうございます")));
    EXPECT_EQ(forms->route().CurIndex(), 0);
    // "Always" is the default pre-broadcast choice: slot 3 on S3.
    ASSERT_FALSE(played.empty());
    EXPECT_EQ(played[0].path, QStringLiteral("/chime3.wav"));
    EXPECT_EQ(played[0].tag, QStringLiteral("S3"));

    console().cmdTapeNext->click(); // entry 2: step flag 1
    EXPECT_EQ(spoken().last(), QStringLiteral("次は、中央通りです。お降りの方はお知らせください。"));
    EXPECT_EQ(forms->route().CurIndex(), 1);

    console().cmdTapeBack->click(); // back to entry 1: flag 0, no step
    EXPECT_EQ(forms->route().CurIndex(), 1);
    console().cmdTapeStop->click();
    EXPECT_EQ(speech.last(), QStringLiteral("stop"));
}

TEST_F(TapeWithSpeech, ARefusedRouteLeavesTheTapeWithTheLoadedRoute)
{
    setRoute(QStringLiteral("1"));
    console().cmdTapeNext->click();
    // Route 2 has broadcast data, but its fare data has no section 99.
    setRoute(QStringLiteral("2"), QStringLiteral("99"));
    ASSERT_EQ(messages.shown.size(), 1u);
    console().cmdTapeNext->click();
    EXPECT_EQ(spoken().last(), QStringLiteral("次は、中央通りです。お降りの方はお知らせください。"));
    EXPECT_EQ(forms->route().CurIndex(), 1); // the fares stepped along on route 1
    console().cmdTapeNext->click();
    EXPECT_EQ(spoken().last(), QStringLiteral("次は、本町二丁目です。お降りの方はお知らせください。"));
}

TEST_F(TapeWithSpeech, DisplayClearDisablesTheTapeAndReleaseBringsItBack)
{
    setRoute(QStringLiteral("2"));
    console().Check1->setChecked(true);
    EXPECT_FALSE(console().grpM_Tape->isEnabled());
    console().Check1->setChecked(false);
    EXPECT_TRUE(console().grpM_Tape->isEnabled());
}

TEST_F(TapeWithSpeech, VoiceSettingsOpenWithTheirTitle)
{
    setRoute(QStringLiteral("1"));
    console().cmdTapeSet->click();
    EXPECT_EQ(speech.last(), QStringLiteral("settings 音声の調節"));
}
