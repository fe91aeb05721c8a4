#include "settings/SoundPage.h"

#include "base/Cp932.h"
#include "reslib/KBP4Res.h"
#include "settings/OptionBinding.h"
#include "settings/OptionLists.h"
#include "settings/OptionWidgets.h"
#include "settings/WrapRadioButton.h"
#include "settings/frmOption.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace settings {
namespace {

const QRect GroupRect(10, 96, 492, 316);

QRadioButton *wrappedOption(QWidget *parent, const QString &text, const QString &name)
{
    QRadioButton *button = new WrapRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(10, 48, 470, 32);
    return button;
}

} // namespace

void SoundPage::build(QGroupBox *page)
{
    soundRow(page, SoundSlot::RouteSetting, QStringLiteral("系統設定時のサウンド："), QStringLiteral("系統設定時のサウンド"), 10, 22, 150, 300);
    soundRow(page, SoundSlot::Reset, QStringLiteral("リセット時のサウンド："), QStringLiteral("リセット時のサウンド"), 10, 48, 150, 300);
    Option5[0] = make::optionButton(page, QStringLiteral("放送前のサウンド..."), QStringLiteral("Option5_0"), QRect(12, 76, 200, 18));
    Option5[1] = make::optionButton(page, QStringLiteral("送り・戻し時のサウンド..."), QStringLiteral("Option5_1"), QRect(220, 76, 240, 18));
    buildAnnouncementSounds(page);
    buildStepSounds(page);

    // Both groups occupy the same place; the selector brings one to the front.
    for (int i = 0; i < 2; ++i) {
        QObject::connect(Option5[i], &QRadioButton::toggled, page, [this, i](bool on) {
            if (!on)
                return;
            Frame2[i]->raise();
            Frame2[i]->show();
            Frame2[1 - i]->hide();
        });
    }
    Option5[1]->setChecked(true);
}

void SoundPage::soundRow(QWidget *parent, SoundSlot slot, const QString &caption, const QString &spoken, int x, int y,
                         int labelWidth, int boxWidth)
{
    QLabel *label = make::label(parent, caption, QRect(x, y, labelWidth, 22));
    txtSelectSound[slot] = make::textBox(parent, QStringLiteral("txtSelectSound_%1").arg(int(slot)), QRect(x + labelWidth, y, boxWidth, 22));
    cmdSelectSound[slot] = make::button(parent, QStringLiteral("..."), QStringLiteral("cmdSelectSound_%1").arg(int(slot)),
                                        QRect(x + labelWidth + boxWidth + 4, y, 30, 22));
    nameControl(txtSelectSound[slot], spoken, caption.isEmpty() ? nullptr : label);
    nameControl(cmdSelectSound[slot], spoken + QStringLiteral("を選ぶ"));
    QObject::connect(cmdSelectSound[slot], &QPushButton::clicked, parent, [this, slot] { cmdSelectSound_Click(slot); });
}

void SoundPage::buildAnnouncementSounds(QGroupBox *page)
{
    Frame2[0] = make::frame(page, QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"),
                            QStringLiteral("Frame2_0"), GroupRect);
    Frame2[0]->setAutoFillBackground(true);
    Option2[2] = make::optionButton(Frame2[0], QStringLiteral("常に右記のサウンドを鳴らす"), QStringLiteral("Option2_2"), QRect(10, 24, 200, 18));
    soundRow(Frame2[0], SoundSlot::BeforeAnnouncement, QString(), QStringLiteral("放送前に常に鳴らすサウンド"), 210, 22, 0, 230);
    Option2[3] = wrappedOption(
        Frame2[0],
        QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
        QStringLiteral("Option2_3"));
    for (int k = 0; k < 3; ++k)
        soundRow(Frame2[0], SoundSlot(int(SoundSlot::BeforeAnnouncementFlag1) + k), QStringLiteral("「%1」の場合").arg(k + 1),
                 QStringLiteral("フラグが「%1」の場合の放送前のサウンド").arg(k + 1), 30, 84 + k * 26, 90, 320);
    Frame9 = make::frame(Frame2[0], QStringLiteral("再生方法"), QStringLiteral("Frame9"), QRect(10, 164, 472, 62));
    Option7[0] = make::optionButton(Frame9, QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"), QStringLiteral("Option7_0"), QRect(10, 18, 440, 18));
    Option7[1] = make::optionButton(Frame9, QStringLiteral("非同期再生(サウンドを再生しながら放送開始)"), QStringLiteral("Option7_1"), QRect(10, 38, 440, 18));
    make::label(Frame2[0], QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。"),
                QRect(10, 232, 470, 36), true)
        ->setObjectName(QStringLiteral("Label1_7"));
}

void SoundPage::buildStepSounds(QGroupBox *page)
{
    Frame2[1] = make::frame(page, QStringLiteral("送り・戻し時のサウンド"), QStringLiteral("Frame2_1"), GroupRect);
    Frame2[1]->setAutoFillBackground(true);
    Option2[0] = make::optionButton(Frame2[1], QStringLiteral("常に右記のサウンドを鳴らす"), QStringLiteral("Option2_0"), QRect(10, 24, 200, 18));
    soundRow(Frame2[1], SoundSlot::Step, QString(), QStringLiteral("送り・戻し時に常に鳴らすサウンド"), 210, 22, 0, 230);
    Option2[1] = wrappedOption(
        Frame2[1],
        QStringLiteral("運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）"),
        QStringLiteral("Option2_1"));
    const QString columnSentence = QStringLiteral("運賃データの                        　　　　　　　　　列目                     のデータが、");
    QLabel *sentence = make::label(Frame2[1], columnSentence, QRect(30, 84, 450, 22));
    // The column list fills the blank before "列目".
    const int gapStart = sentence->fontMetrics().horizontalAdvance(QStringLiteral("運賃データの "));
    const int gapEnd = sentence->fontMetrics().horizontalAdvance(columnSentence.left(columnSentence.indexOf(QStringLiteral("列目"))));
    Combo1 = make::dropDown(Frame2[1], QStringLiteral("Combo1"), QRect(30 + gapStart, 84, qMax(72, gapEnd - gapStart - 8), 22));
    Combo1->addItems(OptionLists::columnNumbers());
    Combo1->setCurrentIndex(0);
    nameControl(Combo1, QStringLiteral("サウンドを決める運賃データの列"), sentence);
    for (int k = 0; k < 3; ++k)
        soundRow(Frame2[1], SoundSlot(int(SoundSlot::StepColumnValue1) + k), QStringLiteral("「%1」の場合").arg(k + 1),
                 QStringLiteral("列の値が「%1」の場合の送り・戻し時のサウンド").arg(k + 1), 30, 110 + k * 26, 90, 320);
    Frame8 = make::frame(Frame2[1], QStringLiteral("再生方法"), QStringLiteral("Frame8"), QRect(10, 190, 472, 62));
    Option6[0] = make::optionButton(Frame8, QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"), QStringLiteral("Option6_0"), QRect(10, 18, 440, 18));
    Option6[1] = make::optionButton(Frame8, QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)"), QStringLiteral("Option6_1"), QRect(10, 38, 440, 18));
}

void SoundPage::bind(OptionBinding &binding)
{
    binding.text(txtSelectSound[SoundSlot::RouteSetting], [](auto &r) -> auto & { return r.sound.SndKeitou; });
    binding.text(txtSelectSound[SoundSlot::Reset], [](auto &r) -> auto & { return r.sound.SndReset; });
    binding.option(Option2[0], [](auto &r) -> auto & { return r.sound.SndStepAlways; });
    binding.option(Option2[1], [](auto &r) -> auto & { return r.sound.SndStepByColumn; });
    binding.option(Option6[0], [](auto &r) -> auto & { return r.sound.SndStepSync; });
    binding.option(Option6[1], [](auto &r) -> auto & { return r.sound.SndStepAsync; });
    binding.text(txtSelectSound[SoundSlot::Step], [](auto &r) -> auto & { return r.sound.SndStepFile; });
    binding.list(Combo1, [](auto &r) -> auto & { return r.sound.SndStepColumn; });
    binding.text(txtSelectSound[SoundSlot::StepColumnValue1], [](auto &r) -> auto & { return r.sound.SndStepFile1; });
    binding.text(txtSelectSound[SoundSlot::StepColumnValue2], [](auto &r) -> auto & { return r.sound.SndStepFile2; });
    binding.text(txtSelectSound[SoundSlot::StepColumnValue3], [](auto &r) -> auto & { return r.sound.SndStepFile3; });
    binding.option(Option2[2], [](auto &r) -> auto & { return r.sound.SndPreAlways; });
    binding.option(Option2[3], [](auto &r) -> auto & { return r.sound.SndPreByFlag; });
    binding.option(Option7[0], [](auto &r) -> auto & { return r.sound.SndPreSync; });
    binding.option(Option7[1], [](auto &r) -> auto & { return r.sound.SndPreAsync; });
    binding.text(txtSelectSound[SoundSlot::BeforeAnnouncement], [](auto &r) -> auto & { return r.sound.SndPreFile; });
    binding.text(txtSelectSound[SoundSlot::BeforeAnnouncementFlag1], [](auto &r) -> auto & { return r.sound.SndPreFile1; });
    binding.text(txtSelectSound[SoundSlot::BeforeAnnouncementFlag2], [](auto &r) -> auto & { return r.sound.SndPreFile2; });
    binding.text(txtSelectSound[SoundSlot::BeforeAnnouncementFlag3], [](auto &r) -> auto & { return r.sound.SndPreFile3; });
}

void SoundPage::cmdSelectSound_Click(SoundSlot index)
{
    const QByteArray filter = base::Cp932::fromUnicode(
        QStringLiteral("Waveサウンド(*.wav)") + QChar(0) + QStringLiteral("*.wav") + QChar(0) + QStringLiteral("MIDIサウンド(*.mid)")
        + QChar(0) + QStringLiteral("*.mid") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(&m_window, 0, filter, QString(), QStringLiteral("サウンドの選択"));
    if (!file.isEmpty()) {
        txtSelectSound[index]->setText(file);
        m_window.noteChosenPath(file);
    }
}

} // namespace settings
