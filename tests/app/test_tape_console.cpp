#include "AppFixture.h"
#include "FakeSpeech.h"
#include "controls/M_Degit.h"
#include "settings/FolderPage.h"
#include "settings/SoundPage.h"
#include "settings/frmOption.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

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

    void setRoute(const QString &route, const QString &section = QString()) { driver().keyInRoute(route, section); }
    QStringList spoken() const { return FakeSpeech::spoken(speech); }

    QStringList speech;
};

// Speech is there: the fixture's services get a recording voice before the program starts.
class TapeWithSpeech : public TapeConsole
{
protected:
    void SetUp() override
    {
        speechFactory = [this] { return std::make_unique<FakeSpeech>(speech); };
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
    EXPECT_EQ(speech.last(), QStringLiteral("settings owner 音声の調節"));
}
