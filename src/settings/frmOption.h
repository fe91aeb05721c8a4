#pragma once

#include "base/OleColor.h"
#include "settings/IniRecords.h"
#include "settings/IniStatus.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace controls {
class M_Degit;
}

namespace base {
class Clock;
} // namespace base

namespace reslib {
struct PlgInfo;
}

namespace settings {

class ColorButton;
class PanelHost;

// The options window "オプション": the live store of every option. It is created once, stays
// hidden except while shown modal from the console, and lives until the program ends. Other
// parts of the program read options through the typed accessors at the moment they need them.
class frmOption : public QDialog
{
    Q_OBJECT

public:
    frmOption(PanelHost &host, const base::Clock &clock, QWidget *parent = nullptr);
    ~frmOption() override;

    // Pushes the display options into the panel.
    void SetProp();

    // Copies the options to the settings file's records, and back. A value a control refuses
    // leaves that control as it was; the rest is still restored and the first refusal reported.
    void GetOptionInfo(IniRecords &records) const;
    IniStatus SetOptionInfo(const IniRecords &records);

    // --- options as the rest of the program reads them ---
    QString fareDataFolder() const;
    QString broadcastDataFolder() const;
    // The sound file of a slot (0, 1, 3 to 10); empty means no sound.
    QString soundFile(int slot) const;
    bool stepSoundAlways() const;       // otherwise chosen by a fare-data column
    int stepSoundColumnIndex() const;   // list index of the column, -1 when none
    bool stepSoundWaits() const;
    bool preSoundAlways() const;        // otherwise chosen by the broadcast entry's flag
    bool preSoundWaits() const;
    // Information digits: whether shown, the list index of the cell (-1 none) and extras.
    struct InfoDigit
    {
        bool use = false;
        int cellIndex = -1;
    };
    InfoDigit stopOrderDigit() const;
    bool stopOrderFromZero() const;
    InfoDigit ticketNoDigit() const;
    InfoDigit routeNoDigit() const;
    InfoDigit columnDigit() const;
    int columnDigitColumnIndex() const;
    int tsugiwaOption() const;          // list index of the "次は" option, -1 when none
    bool panelsIndividual() const;      // "個別に設定する"
    bool userPanelChosen(int state) const;
    QString userPanelFile(int state) const;
    base::OleColor ticketNumberColor(int state) const;
    bool ticketPreviewEnabled() const;
    QString ticketPluginFile() const;
    int ticketDateMode() const;         // 0 system date at print, 1 kept at route setting, 2 fixed
    QString fixedDateText() const;

    // The seventeen custom colours of the colour picker; kept in the settings file.
    std::array<int32_t, 17> CustomColors{};

    // --- the controls, by their names ---
    std::array<QRadioButton *, 6> Option1{};
    std::array<QGroupBox *, 6> Frame1{};

    std::array<QLineEdit *, 2> Text2{};
    std::array<QPushButton *, 2> Command3{};
    std::array<QPushButton *, 2> Command10{};

    QGroupBox *Frame4 = nullptr;
    std::array<QRadioButton *, 8> Option3{};
    std::array<QGroupBox *, 3> Frame6{};
    std::array<QPushButton *, 3> Command6{};
    std::array<QLineEdit *, 3> txtSelectPanel{};
    QLabel *Label5 = nullptr;
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<ColorButton *, 3> Command5{};
    QLabel *Label15 = nullptr;

    std::array<QGroupBox *, 2> Frame5{};
    std::array<QCheckBox *, 5> Check3{};
    std::array<QComboBox *, 5> Combo4{};
    QLabel *Label7 = nullptr;
    std::array<ColorButton *, 3> Command8{};
    controls::M_Degit *M_Degit1 = nullptr;

    QGroupBox *Frame12 = nullptr;
    QGroupBox *Frame11 = nullptr;
    QComboBox *Combo6 = nullptr;
    QComboBox *Combo5 = nullptr;
    QComboBox *Combo3 = nullptr;
    QCheckBox *Check5 = nullptr;
    QCheckBox *Check4 = nullptr;
    std::array<ColorButton *, 3> Command9{};

    // Slot 2 does not exist.
    std::array<QLineEdit *, 11> txtSelectSound{};
    std::array<QPushButton *, 11> cmdSelectSound{};
    std::array<QRadioButton *, 2> Option5{};
    std::array<QGroupBox *, 2> Frame2{};
    std::array<QRadioButton *, 4> Option2{};
    QComboBox *Combo1 = nullptr;
    QGroupBox *Frame8 = nullptr;
    QGroupBox *Frame9 = nullptr;
    std::array<QRadioButton *, 2> Option6{};
    std::array<QRadioButton *, 2> Option7{};

    QCheckBox *chkUseSeiriPrev = nullptr;
    QGroupBox *Frame10 = nullptr;
    QLineEdit *txtSeiriPlgDir = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command11 = nullptr;
    QListWidget *List1 = nullptr;
    QPlainTextEdit *txtPlginComment = nullptr;
    QGroupBox *Frame7 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    QLabel *Label10 = nullptr;
    QPushButton *Command7 = nullptr;

    QPushButton *Command4 = nullptr;

    // Handlers, public so that the console and tests can drive them as a click would.
    void Command3_Click(int index);
    void Command10_Click(int index);
    void cmdSelectSound_Click(int index);
    void Command6_Click(int index);
    void Command7_Click();
    // Ticket plug-in: choose (Command1), clear (Command11), take over a file (SetPlgin: 0 when
    // the name is empty or the file is refused, 2 when taken over).
    void Command1_Click();
    void Command11_Click();
    int32_t SetPlgin(const QString &file);
    void Command4_Click();
    // Colour picker for one of the colour buttons.
    void GetBtnColor(ColorButton *button);
    QString GetPathString();
    void AddComboItem();

private:
    void applyDesignState();
    void Form_Load();
    void createPageSelectors();
    void createFolderPage();
    void createPanelPage();
    void createDigitPage();
    void createStopNamePage();
    void createSoundPage();
    void createTicketPage();
    QGroupBox *makePage(int index, const QString &caption);
    void showPage(int index);
    void connectEnablingRules();
    void connectPathNotices();
    // Tells the user, once per run, that a chosen path holds characters the settings file
    // cannot; its exact text is kept in the companion file.
    void noteChosenPath(const QString &path);
    void applyPanelChoiceRule();
    void recolourPreviewDigit();
    void listPlgInfo(const reslib::PlgInfo &info);

    PanelHost &m_host;
    const base::Clock &m_clock;
    bool m_toldAboutExactTexts = false;
};

// The state of a check box as the options store it: 0 unchecked, 1 checked, 2 grey.
int checkValue(const QCheckBox *box);
void setCheckValue(QCheckBox *box, int value);

} // namespace settings
