#include "settings/DigitPage.h"

#include "controls/M_Degit.h"
#include "controls/PropertyBag.h"
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

namespace settings {

void DigitPage::build(QGroupBox *page)
{
    buildInformationDigits(page);
    buildColours(page);
}

void DigitPage::buildInformationDigits(QGroupBox *page)
{
    Frame5[1] = make::frame(page, QStringLiteral("情報用数字の設定"), QStringLiteral("Frame5_1"), QRect(10, 20, 492, 196));
    const QString captions[4] = {
        QStringLiteral("停留所の順番（区間・個数）を、　　　　　　  コマ目に表示する。"),
        QStringLiteral("整理券番号を、  　　　　　　コマ目に表示する。"),
        QStringLiteral("系統番号を、  　　　　　　コマ目に表示する。"),
        QStringLiteral("データの　　　  　　　　　列目の値を、  　　　　　　コマ目に表示する。"),
    };
    const int rowsY[4] = {22, 66, 92, 118};
    auto sentence = [&](int row) {
        Check3[row] = make::checkBox(Frame5[1], captions[row], QStringLiteral("Check3_%1").arg(row), QRect(10, rowsY[row], 470, 22));
    };
    // Each list sits in the blank of its sentence. The controls are made in reading order, which
    // is the order Tab visits them.
    auto placeList = [&](int combo, int row, const QString &prefix, int width, const QStringList &entries, const QString &spoken) {
        const int x = 10 + captionOffset(Check3[row], prefix);
        Combo4[combo] = make::dropDown(Frame5[1], QStringLiteral("Combo4_%1").arg(combo), QRect(x, rowsY[row], width, 22));
        Combo4[combo]->addItems(entries);
        Combo4[combo]->setCurrentIndex(0);
        nameControl(Combo4[combo], spoken);
    };
    const QStringList cells = OptionLists::cellNumbers();
    sentence(0);
    placeList(0, 0, QStringLiteral("停留所の順番（区間・個数）を、"), 64, cells, QStringLiteral("停留所の順番を表示するコマ"));
    Check3[4] = make::checkBox(Frame5[1], QStringLiteral("0から数える"), QStringLiteral("Check3_4"), QRect(30, 44, 200, 18));
    sentence(1);
    placeList(1, 1, QStringLiteral("整理券番号を、  "), 64, cells, QStringLiteral("整理券番号を表示するコマ"));
    sentence(2);
    placeList(2, 2, QStringLiteral("系統番号を、  "), 64, cells, QStringLiteral("系統番号を表示するコマ"));
    sentence(3);
    placeList(4, 3, QStringLiteral("データの"), 72, OptionLists::columnNumbers(), QStringLiteral("表示するデータの列"));
    placeList(3, 3, QStringLiteral("データの　　　  　　　　　列目の値を、  "), 64, cells, QStringLiteral("データの値を表示するコマ"));

    Label7 = make::label(Frame5[1],
                         QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用数字は運賃の表示よりも優先されます。"),
                         QRect(10, 148, 472, 44), true);
}

void DigitPage::buildColours(QGroupBox *page)
{
    Frame5[0] = make::frame(page, QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"), QStringLiteral("Frame5_0"),
                            QRect(10, 224, 492, 120));
    const QString colours[3] = {QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："), QStringLiteral("発光時の文字色：")};
    for (int i = 0; i < 3; ++i) {
        QLabel *caption = make::label(Frame5[0], colours[i], QRect(10, 22 + i * 30, 130, 22));
        Command8[i] = make::colorButton(Frame5[0], QStringLiteral("Command8_%1").arg(i), QRect(140, 22 + i * 30, 52, 22));
        nameControl(Command8[i], QStringLiteral("デジタル部品の") + colours[i].chopped(1), caption);
        QObject::connect(Command8[i], &QPushButton::clicked, page, [this, i] {
            if (m_window.GetBtnColor(Command8[i]))
                recolourPreviewDigit();
        });
    }
    make::label(Frame5[0], QStringLiteral("プレビュー"), QRect(260, 22, 100, 18));
    // The preview shows some lit digits over the unlit row, in the digit size of the panel's cells.
    M_Degit1 = new controls::M_Degit(controls::PropertyBag().with(QStringLiteral("Value"), QStringLiteral("1234")), Frame5[0]);
    M_Degit1->setObjectName(QStringLiteral("M_Degit1"));
    M_Degit1->setAccessibleName(QStringLiteral("デジタル部品のプレビュー"));
    M_Degit1->move(260, 44);
    M_Degit1->setDegitSize(2);
}

void DigitPage::bind(OptionBinding &binding)
{
    binding.colour(Command8[0], [](auto &r) -> auto & { return r.degit.DegitBackColor; });
    binding.colour(Command8[1], [](auto &r) -> auto & { return r.degit.DegitOffColor; });
    binding.colour(Command8[2], [](auto &r) -> auto & { return r.degit.DegitOnColor; });
    binding.check(Check3[0], [](auto &r) -> auto & { return r.degit.InfoOrderUse; });
    binding.list(Combo4[0], [](auto &r) -> auto & { return r.degit.InfoOrderCell; });
    binding.check(Check3[4], [](auto &r) -> auto & { return r.degit.InfoFromZero; });
    binding.check(Check3[1], [](auto &r) -> auto & { return r.degit.InfoSeiriUse; });
    binding.list(Combo4[1], [](auto &r) -> auto & { return r.degit.InfoSeiriCell; });
    binding.check(Check3[2], [](auto &r) -> auto & { return r.degit.InfoKeitouUse; });
    binding.list(Combo4[2], [](auto &r) -> auto & { return r.degit.InfoKeitouCell; });
    binding.check(Check3[3], [](auto &r) -> auto & { return r.degit.InfoColumnUse; });
    binding.list(Combo4[4], [](auto &r) -> auto & { return r.degit.InfoColumnNo; });
    binding.list(Combo4[3], [](auto &r) -> auto & { return r.degit.InfoColumnCell; });
}

void DigitPage::startRules()
{
    // Each change of a check box flips the controls it governs, so they start as the box says.
    struct Rule
    {
        int box;
        std::vector<QWidget *> governed;
    };
    const Rule rules[4] = {{0, {Combo4[0], Check3[4]}}, {1, {Combo4[1]}}, {2, {Combo4[2]}}, {3, {Combo4[3], Combo4[4]}}};
    for (const Rule &rule : rules) {
        const bool on = checkValue(Check3[rule.box]) != 0;
        for (QWidget *w : rule.governed)
            w->setEnabled(on);
        QObject::connect(Check3[rule.box], &QCheckBox::stateChanged, Frame5[1], [governed = rule.governed] {
            for (QWidget *w : governed)
                flipEnabled(w);
        });
    }
}

void DigitPage::recolourPreviewDigit()
{
    M_Degit1->setBackColor(Command8[0]->BackColor());
    M_Degit1->setBaseForeColor(Command8[1]->BackColor());
    M_Degit1->setDegitForeColor(Command8[2]->BackColor());
}

} // namespace settings
