#include "settings/PanelPage.h"

#include "base/Cp932.h"
#include "reslib/KBP4Res.h"
#include "settings/ColorButton.h"
#include "settings/ControlValues.h"
#include "settings/OptionBinding.h"
#include "settings/OptionLists.h"
#include "settings/OptionWidgets.h"
#include "settings/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace settings {

void PanelPage::build(QGroupBox *page)
{
    buildPictureChoices(page);
    buildTicketNumbers(page);
    AddComboItem();
}

void PanelPage::buildPictureChoices(QGroupBox *page)
{
    Frame4 = make::frame(page, QStringLiteral("本体パネル"), QStringLiteral("Frame4"), QRect(10, 20, 492, 240));
    Option3[0] = make::optionButton(Frame4, QStringLiteral("内蔵しているパネルを自動で割り当てる"), QStringLiteral("Option3_0"), QRect(10, 18, 320, 18));
    Option3[1] = make::optionButton(Frame4, QStringLiteral("個別に設定する"), QStringLiteral("Option3_1"), QRect(10, 38, 320, 18));
    struct ImageRow
    {
        QString caption;
        QString spoken;
        int builtin;
        int user;
    };
    const ImageRow rows[3] = {{QStringLiteral("バックライトOFF時の画像："), QStringLiteral("バックライトOFF時の"), 7, 6},
                              {QStringLiteral("ON1の画像："), QStringLiteral("ON1の"), 3, 2},
                              {QStringLiteral("ON2の画像："), QStringLiteral("ON2の"), 4, 5}};
    for (int i = 0; i < 3; ++i) {
        Frame6[i] = make::frame(Frame4, rows[i].caption, QStringLiteral("Frame6_%1").arg(i), QRect(10, 58 + i * 42, 472, 42));
        Option3[rows[i].builtin] = make::optionButton(Frame6[i], QStringLiteral("内蔵"), QStringLiteral("Option3_%1").arg(rows[i].builtin), QRect(8, 18, 52, 18));
        Option3[rows[i].user] = make::optionButton(Frame6[i], QStringLiteral("ユーザーパネル"), QStringLiteral("Option3_%1").arg(rows[i].user), QRect(60, 18, 112, 18));
        txtSelectPanel[i] = make::textBox(Frame6[i], QStringLiteral("txtSelectPanel_%1").arg(i), QRect(174, 16, 250, 22));
        Command6[i] = make::button(Frame6[i], QStringLiteral("..."), QStringLiteral("Command6_%1").arg(i), QRect(428, 16, 36, 22));
        nameControl(txtSelectPanel[i], rows[i].spoken + QStringLiteral("ユーザーパネルの画像"));
        nameControl(Command6[i], rows[i].spoken + QStringLiteral("ユーザーパネルの画像を選ぶ"));
        QObject::connect(Command6[i], &QPushButton::clicked, page, [this, i] { Command6_Click(i); });
    }
    Label5 = make::label(Frame4,
                         QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意ください。"),
                         QRect(10, 186, 472, 50), true);
}

void PanelPage::buildTicketNumbers(QGroupBox *page)
{
    Check1 = make::checkBox(page, QStringLiteral("整理券番号自動表示機能を使用"), QStringLiteral("Check1"), QRect(12, 266, 320, 18));
    Frame3 = make::frame(page, QString(), QStringLiteral("Frame3"), QRect(10, 286, 492, 124));
    QLabel *heading = make::label(Frame3, QStringLiteral("整理券番号表示設定"), QRect(8, 4, 300, 18));
    Combo2 = make::dropDown(Frame3, QStringLiteral("Combo2"), QRect(8, 24, 250, 22));
    nameControl(Combo2, QStringLiteral("整理券番号の表示方法"), heading);
    Check2 = make::checkBox(Frame3, QStringLiteral("数字が1桁の番号は頭に0を付け足す"), QStringLiteral("Check2"), QRect(268, 26, 220, 18));
    make::label(Frame3, QStringLiteral("整理券番号のバックライトカラー(文字色)"), QRect(8, 52, 300, 18));
    const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："), QStringLiteral("ON2：")};
    for (int i = 0; i < 3; ++i) {
        QLabel *state = make::label(Frame3, states[i], QRect(8 + i * 110, 72, 40, 22));
        Command5[i] = make::colorButton(Frame3, QStringLiteral("Command5_%1").arg(i), QRect(48 + i * 110, 72, 52, 22));
        nameControl(Command5[i], QStringLiteral("整理券番号の文字色（%1）").arg(states[i].chopped(1)), state);
        QObject::connect(Command5[i], &QPushButton::clicked, page, [this, i] { m_window.GetBtnColor(Command5[i]); });
    }
    Label15 = make::label(Frame3, QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。"),
                          QRect(8, 98, 476, 22), true);
}

void PanelPage::bind(OptionBinding &binding)
{
    binding.check(Check1, [](auto &r) -> auto & { return r.panel.UseSeiriNum; });
    for (int i = 0; i < 3; ++i)
        binding.colour(Command5[i], [i](auto &r) -> auto & { return r.panel.SeiriNumColor[i]; });
    binding.list(Combo2, [](auto &r) -> auto & { return r.panel.SeiriNumStyle; });
    binding.check(Check2, [](auto &r) -> auto & { return r.panel.SeiriNumZero; });
    binding.option(Option3[0], [](auto &r) -> auto & { return r.panel.PanelAuto; });
    binding.option(Option3[1], [](auto &r) -> auto & { return r.panel.PanelManual; });
    binding.option(Option3[7], [](auto &r) -> auto & { return r.panel.PanelOffBuiltin; });
    binding.option(Option3[6], [](auto &r) -> auto & { return r.panel.PanelOffUser; });
    binding.option(Option3[3], [](auto &r) -> auto & { return r.panel.PanelOn1Builtin; });
    binding.option(Option3[2], [](auto &r) -> auto & { return r.panel.PanelOn1User; });
    binding.option(Option3[4], [](auto &r) -> auto & { return r.panel.PanelOn2Builtin; });
    binding.option(Option3[5], [](auto &r) -> auto & { return r.panel.PanelOn2User; });
    for (int i = 0; i < 3; ++i)
        binding.text(txtSelectPanel[i], [i](auto &r) -> auto & { return r.panel.PanelFile[i]; });
}

void PanelPage::startRules()
{
    // Each change of the check box flips the group, so the group starts as the box says.
    Frame3->setEnabled(checkValue(Check1) != 0);
    QObject::connect(Check1, &QCheckBox::stateChanged, Frame3, [this] { flipEnabled(Frame3); });
    applyPanelChoiceRule();
    for (QRadioButton *o : Option3)
        QObject::connect(o, &QRadioButton::toggled, Frame4, [this] { applyPanelChoiceRule(); });
}

void PanelPage::applyPanelChoiceRule()
{
    const bool individual = !Option3[0]->isChecked();
    for (QGroupBox *g : Frame6) {
        g->setEnabled(individual);
        g->setVisible(individual);
    }
}

void PanelPage::AddComboItem()
{
    Combo2->clear();
    Combo2->addItems(OptionLists::ticketNumberStyles());
    Combo2->setCurrentIndex(0);
}

void PanelPage::Command6_Click(int index)
{
    const QByteArray filter = base::Cp932::fromUnicode(
        QStringLiteral("ビットマップ(*.bmp)") + QChar(0) + QStringLiteral("*.bmp") + QChar(0) + QStringLiteral("GIF画像(*.gif)") + QChar(0)
        + QStringLiteral("*.gif") + QChar(0) + QStringLiteral("JPEG画像(*.jpg)") + QChar(0) + QStringLiteral("*.jpg") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(&m_window, 0, filter, QString(), QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty()) {
        txtSelectPanel[index]->setText(file);
        m_window.noteChosenPath(file);
    }
}

} // namespace settings
