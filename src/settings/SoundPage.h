#pragma once

#include "base/ControlArray.h"
#include "settings/Options.h"

#include <QString>

#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace settings {

class OptionBinding;
class frmOption;

// Options page 4, "サウンド": the sound files of route setting and reset, of the data steps
// (always one, or chosen by a fare-data column) and before announcements (always one, or chosen
// by the broadcast entry's flag), each way played with or without waiting.
class SoundPage
{
public:
    explicit SoundPage(frmOption &window) : m_window(window) {}

    void build(QGroupBox *page);
    void bind(OptionBinding &binding);

    // "..." chooses the sound file of slot `index`.
    void cmdSelectSound_Click(SoundSlot index);

    // By SoundSlot; txtSelectSound(2) does not exist.
    base::ControlArray<QLineEdit *, 11, SoundSlot> txtSelectSound{};
    base::ControlArray<QPushButton *, 11, SoundSlot> cmdSelectSound{};
    // Bring the before-announcement (0) or the step (1) sounds to the front.
    std::array<QRadioButton *, 2> Option5{};
    std::array<QGroupBox *, 2> Frame2{};
    // 0/1 step sound always / by column, 2/3 before-announcement sound always / by flag.
    std::array<QRadioButton *, 4> Option2{};
    QComboBox *Combo1 = nullptr; // the column that chooses the step sound
    QGroupBox *Frame8 = nullptr;
    QGroupBox *Frame9 = nullptr;
    std::array<QRadioButton *, 2> Option6{}; // step sound waited for / not
    std::array<QRadioButton *, 2> Option7{}; // before-announcement sound waited for / not

private:
    // A file box and its "..." button; `spoken` is the name a screen reader gives the box.
    void soundRow(QWidget *parent, SoundSlot slot, const QString &caption, const QString &spoken, int x, int y, int labelWidth,
                  int boxWidth);
    void buildAnnouncementSounds(QGroupBox *page);
    void buildStepSounds(QGroupBox *page);

    frmOption &m_window;
};

} // namespace settings
