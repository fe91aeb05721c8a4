#include "base/MemoryPcmSink.h"
#include "app/VoiceSettingsDialog.h"
#include "../speech/SpeechTestSupport.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using base::MemoryPcmSink;
using speech::SpeechVoice;
using speech::TextToSpeech;
using speech::VoiceSettings;
using app::VoiceSettingsDialog;

class VoiceSettingsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
        ASSERT_NE(voice, nullptr);
    }

    template <typename T>
    T *child(VoiceSettingsDialog &dialog, const char *name)
    {
        T *w = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    MemoryPcmSink sink;
    std::unique_ptr<SpeechVoice> voice;
};

TEST_F(VoiceSettingsDialogTest, ShowsTitleVoicesAndCurrentSettings)
{
    VoiceSettings current;
    current.voice = QStringLiteral("jpx/ja+f2");
    current.rate = 200;
    current.pitch = 70;
    current.volume = 150;
    voice->setSettings(current);

    VoiceSettingsDialog dialog(*voice, QStringLiteral("音声の調節"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("音声の調節"));
    auto *voices = child<QComboBox>(dialog, "cboVoice");
    ASSERT_EQ(voices->count(), int(voice->voices().size()));
    EXPECT_EQ(voices->itemText(0), QStringLiteral("日本語"));
    EXPECT_EQ(voices->currentText(), QStringLiteral("日本語 女声2"));
    EXPECT_EQ(child<QSlider>(dialog, "sldRate")->value(), 200);
    EXPECT_EQ(child<QLabel>(dialog, "sldRateValue")->text(), QStringLiteral("200"));
    EXPECT_EQ(child<QSlider>(dialog, "sldPitch")->value(), 70);
    EXPECT_EQ(child<QSlider>(dialog, "sldVolume")->value(), 150);
    EXPECT_EQ(dialog.chosen(), current);
    EXPECT_EQ(child<QPushButton>(dialog, "cmdTrial")->text(), QStringLiteral("試聴"));
}

TEST_F(VoiceSettingsDialogTest, OkKeepsTheChoiceCancelDropsIt)
{
    {
        VoiceSettingsDialog dialog(*voice, QStringLiteral("音声の調節"));
        child<QSlider>(dialog, "sldRate")->setValue(250);
        child<QComboBox>(dialog, "cboVoice")->setCurrentIndex(1);
        dialog.reject();
    }
    EXPECT_EQ(voice->settings(), VoiceSettings{});

    VoiceSettingsDialog dialog(*voice, QStringLiteral("音声の調節"));
    child<QSlider>(dialog, "sldRate")->setValue(250);
    child<QSlider>(dialog, "sldVolume")->setValue(40);
    child<QComboBox>(dialog, "cboVoice")->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(voice->settings().rate, 250);
    EXPECT_EQ(voice->settings().volume, 40);
    EXPECT_EQ(voice->settings().voice, voice->voices()[1].id);

    // The next dialog starts from the kept choice; "標準に戻す" shows the defaults again.
    VoiceSettingsDialog again(*voice, QStringLiteral("音声の調節"));
    EXPECT_EQ(child<QSlider>(again, "sldRate")->value(), 250);
    child<QPushButton>(again, "cmdDefaults")->click();
    VoiceSettings defaults = VoiceSettings{};
    defaults.voice = voice->voices().front().id;
    EXPECT_EQ(again.chosen(), defaults);
}

TEST_F(VoiceSettingsDialogTest, TrialSpeaksWithTheSettingsOnScreen)
{
    VoiceSettingsDialog dialog(*voice, QStringLiteral("音声の調節"));
    child<QSlider>(dialog, "sldVolume")->setValue(0);
    child<QPushButton>(dialog, "cmdTrial")->click();
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    // Volume 0 on screen: the trial is silent, and the component's own settings are untouched.
    EXPECT_GT(sink.sampleCount(), 0u);
    EXPECT_LT(speechtest::peak(sink.samples()), 50);
    EXPECT_EQ(voice->settings().volume, VoiceSettings::DefaultVolume);

    sink.clear();
    child<QSlider>(dialog, "sldVolume")->setValue(100);
    child<QPushButton>(dialog, "cmdTrial")->click();
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_GT(speechtest::rms(sink.samples()), 500.0);

    // Closing the dialog ends a trial still speaking.
    const int flushes = sink.flushCount();
    dialog.reject();
    EXPECT_EQ(sink.flushCount(), flushes + 1);
}
