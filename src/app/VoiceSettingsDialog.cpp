#include "app/VoiceSettingsDialog.h"

#include "speech/SpeechVoice.h"
#include "ui/MessagePresenter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace app {

VoiceSettingsDialog::VoiceSettingsDialog(speech::SpeechVoice &voice, const QString &title, QWidget *owner)
    : QDialog(owner), m_voice(voice)
{
    setWindowTitle(title);
    auto *grid = new QGridLayout;

    grid->addWidget(new QLabel(QStringLiteral("声:"), this), 0, 0);
    cboVoice = new QComboBox(this);
    cboVoice->setObjectName(QStringLiteral("cboVoice"));
    for (const speech::VoiceChoice &choice : voice.voices())
        cboVoice->addItem(choice.name, choice.id);
    grid->addWidget(cboVoice, 0, 1, 1, 2);

    sldRate = addSlider(grid, 1, QStringLiteral("速さ:"), QStringLiteral("sldRate"), speech::VoiceSettings::MinRate,
                        speech::VoiceSettings::MaxRate, speech::VoiceSettings::DefaultRate);
    sldPitch = addSlider(grid, 2, QStringLiteral("高さ:"), QStringLiteral("sldPitch"), speech::VoiceSettings::MinPitch,
                         speech::VoiceSettings::MaxPitch, speech::VoiceSettings::DefaultPitch);
    sldVolume = addSlider(grid, 3, QStringLiteral("音量:"), QStringLiteral("sldVolume"), speech::VoiceSettings::MinVolume,
                          speech::VoiceSettings::MaxVolume, speech::VoiceSettings::DefaultVolume);

    cmdTrial = new QPushButton(QStringLiteral("試聴"), this);
    cmdTrial->setObjectName(QStringLiteral("cmdTrial"));
    cmdDefaults = new QPushButton(QStringLiteral("標準に戻す"), this);
    cmdDefaults->setObjectName(QStringLiteral("cmdDefaults"));
    auto *row = new QHBoxLayout;
    row->addWidget(cmdTrial);
    row->addWidget(cmdDefaults);
    row->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(cmdTrial, &QPushButton::clicked, this, &VoiceSettingsDialog::playTrial);
    connect(cmdDefaults, &QPushButton::clicked, this, [this] { display(speech::VoiceSettings{}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    display(voice.settings());
}

VoiceSettingsDialog::~VoiceSettingsDialog() = default;

void VoiceSettingsDialog::run(QWidget *owner, const QString &title, speech::SpeechVoice &voice)
{
    VoiceSettingsDialog dialog(voice, title, owner);
    dialog.exec();
}

QSlider *VoiceSettingsDialog::addSlider(QGridLayout *grid, int row, const QString &caption, const QString &name,
                                        int min, int max, int value)
{
    grid->addWidget(new QLabel(caption, this), row, 0);
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(name);
    slider->setRange(min, max);
    slider->setValue(value);
    slider->setMinimumWidth(200);
    auto *number = new QLabel(QString::number(value), this);
    number->setObjectName(name + QStringLiteral("Value"));
    number->setMinimumWidth(32);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(slider, &QSlider::valueChanged, number, [number](int v) { number->setText(QString::number(v)); });
    grid->addWidget(slider, row, 1);
    grid->addWidget(number, row, 2);
    return slider;
}

void VoiceSettingsDialog::display(const speech::VoiceSettings &settings)
{
    const int index = cboVoice->findData(settings.voice);
    cboVoice->setCurrentIndex(index >= 0 ? index : 0);
    sldRate->setValue(settings.rate);
    sldPitch->setValue(settings.pitch);
    sldVolume->setValue(settings.volume);
}

speech::VoiceSettings VoiceSettingsDialog::chosen() const
{
    speech::VoiceSettings settings;
    settings.voice = cboVoice->currentData().toString();
    settings.rate = sldRate->value();
    settings.pitch = sldPitch->value();
    settings.volume = sldVolume->value();
    return settings;
}

QString VoiceSettingsDialog::trialText()
{
    return QStringLiteral("次は、市役所前です。お降りの方はお知らせください。");
}

void VoiceSettingsDialog::playTrial()
{
    m_voice.stop();
    m_voice.speakWith(trialText(), chosen());
    m_trialPlayed = true;
}

void VoiceSettingsDialog::accept()
{
    if (!m_voice.setSettings(chosen())) {
        ui::QtMessagePresenter().show(this, savingFailedText(), ui::MessagePresenter::applicationTitle(),
                                  ui::MessagePresenter::Buttons::Ok, ui::MessagePresenter::Icon::Warning);
    }
    QDialog::accept();
}

QString VoiceSettingsDialog::savingFailedText()
{
    return QStringLiteral("音声の設定を保存できませんでした。この設定は終了するまで有効です。");
}

void VoiceSettingsDialog::done(int result)
{
    // A trial still speaking ends with the dialog; announcements are not touched otherwise.
    if (m_trialPlayed)
        m_voice.stop();
    QDialog::done(result);
}

} // namespace app
