#include "settings/StopNamePage.h"

#include "settings/ColorButton.h"
#include "settings/OptionBinding.h"
#include "settings/OptionLists.h"
#include "settings/OptionWidgets.h"
#include "settings/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace settings {

void StopNamePage::build(QGroupBox *page)
{
    Frame12 = make::frame(page, QStringLiteral("「次は」の表示設定(データの最初は「次は」は表示されません)"), QStringLiteral("Frame12"), QRect(10, 20, 492, 146));
    QLabel *caption = make::label(Frame12, QStringLiteral("「次は」表示オプション："), QRect(10, 24, 170, 22));
    Combo6 = make::dropDown(Frame12, QStringLiteral("Combo6"), QRect(180, 24, 290, 22));
    nameControl(Combo6, QStringLiteral("「次は」表示オプション"), caption);
    Combo6->addItems(OptionLists::tsugiwaModes());
    caption = make::label(Frame12, QStringLiteral("フォントオプション："), QRect(10, 52, 170, 22));
    Combo5 = make::dropDown(Frame12, QStringLiteral("Combo5"), QRect(180, 52, 290, 22));
    nameControl(Combo5, QStringLiteral("「次は」のフォントオプション"), caption);
    Combo5->addItems(OptionLists::tsugiwaFonts());
    Check5 = make::checkBox(Frame12, QStringLiteral("太字（表示の不具合はサポート対象外）"), QStringLiteral("Check5"), QRect(10, 82, 400, 18));
    caption = make::label(Frame12, QStringLiteral("「次は」の文字色："), QRect(10, 110, 170, 22));
    Command9[2] = make::colorButton(Frame12, QStringLiteral("Command9_2"), QRect(180, 110, 52, 22));
    nameControl(Command9[2], QStringLiteral("「次は」の文字色"), caption);

    Frame11 = make::frame(page, QStringLiteral("停名部分の設定"), QStringLiteral("Frame11"), QRect(10, 176, 492, 146));
    caption = make::label(Frame11, QStringLiteral("背景色："), QRect(10, 24, 170, 22));
    Command9[0] = make::colorButton(Frame11, QStringLiteral("Command9_0"), QRect(180, 24, 52, 22));
    nameControl(Command9[0], QStringLiteral("停名の背景色"), caption);
    caption = make::label(Frame11, QStringLiteral("文字色："), QRect(10, 52, 170, 22));
    Command9[1] = make::colorButton(Frame11, QStringLiteral("Command9_1"), QRect(180, 52, 52, 22));
    nameControl(Command9[1], QStringLiteral("停名の文字色"), caption);
    caption = make::label(Frame11, QStringLiteral("フォントオプション："), QRect(10, 80, 170, 22));
    Combo3 = make::dropDown(Frame11, QStringLiteral("Combo3"), QRect(180, 80, 290, 22));
    nameControl(Combo3, QStringLiteral("停名のフォントオプション"), caption);
    Combo3->addItems(OptionLists::stopNameFonts());
    Check4 = make::checkBox(Frame11, QStringLiteral("太字（表示の不具合はサポート対象外）"), QStringLiteral("Check4"), QRect(10, 110, 400, 18));

    for (int i = 0; i < 3; ++i)
        QObject::connect(Command9[i], &QPushButton::clicked, page, [this, i] { m_window.GetBtnColor(Command9[i]); });
}

void StopNamePage::bind(OptionBinding &binding)
{
    binding.colour(Command9[0], [](auto &r) -> auto & { return r.chimei.ChimeiBackColor; });
    binding.colour(Command9[1], [](auto &r) -> auto & { return r.chimei.ChimeiForeColor; });
    binding.list(Combo3, [](auto &r) -> auto & { return r.chimei.ChimeiFontMode; });
    binding.check(Check4, [](auto &r) -> auto & { return r.chimei.ChimeiBold; });
    binding.list(Combo6, [](auto &r) -> auto & { return r.chimei.ChimeiTsugiwaMode; });
    binding.colour(Command9[2], [](auto &r) -> auto & { return r.chimei.ChimeiTsugiwaColor; });
    binding.list(Combo5, [](auto &r) -> auto & { return r.chimei.ChimeiTsugiwaFontMode; });
    binding.check(Check5, [](auto &r) -> auto & { return r.chimei.ChimeiTsugiwaBold; });
}

} // namespace settings
