#pragma once

#include "speech/VoiceSettings.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

namespace speech {
class SpeechVoice;
}

namespace app {

// The speech component's own settings dialog: the voice, its speed, pitch and volume, and
// "試聴" to hear them before choosing. "OK" hands the choice to the component, which keeps it
// for this run and the next (and says so when it cannot); "キャンセル" leaves it as it was.
class VoiceSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    VoiceSettingsDialog(speech::SpeechVoice &voice, const QString &title, QWidget *owner = nullptr);
    ~VoiceSettingsDialog() override;

    // Shows the dialog modally over `owner`; this is the component's settings operation.
    static void run(QWidget *owner, const QString &title, speech::SpeechVoice &voice);

    // What the controls hold now.
    speech::VoiceSettings chosen() const;

    // The sentence "試聴" speaks.
    static QString trialText();
    // The warning when the choice could not be kept for the next run.
    static QString savingFailedText();

    void accept() override;
    void done(int result) override;

private:
    QSlider *addSlider(QGridLayout *grid, int row, const QString &caption, const QString &name, int min,
                       int max, int value);
    void display(const speech::VoiceSettings &settings);
    void playTrial();

    speech::SpeechVoice &m_voice;
    QComboBox *cboVoice = nullptr;
    QSlider *sldRate = nullptr;
    QSlider *sldPitch = nullptr;
    QSlider *sldVolume = nullptr;
    QPushButton *cmdTrial = nullptr;
    QPushButton *cmdDefaults = nullptr;
    bool m_trialPlayed = false;
};

} // namespace app
