#include "settings/frmOption.h"

#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "controls/PropertyBag.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Twips.h"
#include "ui/MessagePresenter.h"
#include "reslib/KBP4Res.h"
#include "settings/ColorButton.h"
#include "settings/IniFileLocation.h"
#include "settings/IniTextCompanion.h"
#include "settings/PanelHost.h"
#include "settings/OptionCopy.h"
#include "settings/WrapRadioButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QUrl>

#include <vector>

namespace settings {

using base::OleColor;

namespace {

constexpr int DialogWidth = 700;
constexpr int DialogHeight = 470;
const QRect PageRect(180, 8, 512, 418);

const QString FolderTitle = QStringLiteral("フォルダーを選択してください");

QLabel *label(QWidget *parent, const QString &text, const QRect &r, bool wrap = false)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
    return l;
}

QPushButton *button(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    return b;
}

QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &r)
{
    auto *t = new QLineEdit(parent);
    t->setObjectName(name);
    t->setGeometry(r);
    return t;
}

QComboBox *dropDown(QWidget *parent, const QString &name, const QRect &r)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(r);
    return c;
}

QCheckBox *checkBox(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setGeometry(r);
    return c;
}

QRadioButton *optionButton(QWidget *parent, const QString &text, const QString &name, const QRect &r)
{
    auto *o = new QRadioButton(text, parent);
    o->setObjectName(name);
    o->setGeometry(r);
    return o;
}

QGroupBox *frame(QWidget *parent, const QString &title, const QString &name, const QRect &r)
{
    auto *g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(r);
    return g;
}

ColorButton *colorButton(QWidget *parent, const QString &name, const QRect &r, OleColor color)
{
    auto *b = new ColorButton(parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setBackColor(color);
    return b;
}

// Where in a check box's caption the text `prefix` ends, in the check box's own coordinates;
// the lists that complete such a sentence sit in the blank that follows it.
int captionOffset(const QCheckBox *box, const QString &prefix)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box);
    const int spacing = box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    return indicator + spacing + box->fontMetrics().horizontalAdvance(prefix);
}

// Flips a control's own enabled state, whatever its parents say.
void flipEnabled(QWidget *w)
{
    w->setEnabled(w->testAttribute(Qt::WA_Disabled));
}

} // namespace

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    if (value == 2) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
    }
}

frmOption::frmOption(PanelHost &host, const base::Clock &clock, QWidget *parent)
    : QDialog(parent), m_host(host), m_clock(clock)
{
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("オプション"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(DialogWidth, DialogHeight);

    createPageSelectors();
    createTicketPage();
    createSoundPage();
    createStopNamePage();
    createDigitPage();
    createPanelPage();
    createFolderPage();
    applyDesignState();
    connectEnablingRules();
    connectPathNotices();

    Command4 = button(this, QStringLiteral("OK"), QStringLiteral("Command4"), QRect(DialogWidth - 100, DialogHeight - 36, 90, 26));
    Command4->setDefault(true);
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);

    Form_Load();
}

frmOption::~frmOption() = default;

QGroupBox *frmOption::makePage(int index, const QString &caption)
{
    QGroupBox *page = frame(this, caption, QStringLiteral("Frame1_%1").arg(index), PageRect);
    // A page on top hides the pages beneath it.
    page->setAutoFillBackground(true);
    Frame1[index] = page;
    return page;
}

void frmOption::createPageSelectors()
{
    const QString captions[6] = {QStringLiteral("運賃データと　放送用データ"), QStringLiteral("パネルと整理券番号表示"),
                                 QStringLiteral("デジタル部品と情報用数字"), QStringLiteral("停名の設定"),
                                 QStringLiteral("サウンド"), QStringLiteral("　　整理券　　　プレビュー")};
    for (int i = 0; i < 6; ++i) {
        auto *selector = new PageSelector(captions[i], this);
        selector->setObjectName(QStringLiteral("Option1_%1").arg(i));
        selector->setGeometry(8, 12 + i * 56, 164, 50);
        connect(selector, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                showPage(i);
        });
        Option1[i] = selector;
    }
}

void frmOption::showPage(int index)
{
    // The pages beneath are hidden as well as covered, so that Tab passes through the page
    // shown only.
    Frame1[index]->raise();
    for (int i = 0; i < static_cast<int>(Frame1.size()); ++i)
        Frame1[i]->setVisible(i == index);
}

void frmOption::createFolderPage()
{
    QGroupBox *page = makePage(0, QStringLiteral("運賃データと放送用データ"));
    const QString captions[2] = {QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                                 QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const QString explorer[2] = {QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                                 QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    for (int i = 0; i < 2; ++i) {
        const int y = 30 + i * 100;
        label(page, captions[i], QRect(16, y, 470, 18));
        Text2[i] = textBox(page, QStringLiteral("Text2_%1").arg(i), QRect(16, y + 20, 430, 22));
        Command3[i] = button(page, QStringLiteral("..."), QStringLiteral("Command3_%1").arg(i), QRect(452, y + 20, 40, 22));
        Command10[i] = button(page, explorer[i], QStringLiteral("Command10_%1").arg(i), QRect(16, y + 48, 300, 24));
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Command10[i], &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }
}

void frmOption::createPanelPage()
{
    QGroupBox *page = makePage(1, QStringLiteral("パネルと整理券番号表示"));

    Frame4 = frame(page, QStringLiteral("本体パネル"), QStringLiteral("Frame4"), QRect(10, 20, 492, 240));
    Option3[0] = optionButton(Frame4, QStringLiteral("内蔵しているパネルを自動で割り当てる"), QStringLiteral("Option3_0"), QRect(10, 18, 320, 18));
    Option3[1] = optionButton(Frame4, QStringLiteral("個別に設定する"), QStringLiteral("Option3_1"), QRect(10, 38, 320, 18));
    struct ImageRow
    {
        QString caption;
        int builtin;
        int user;
    };
    const ImageRow rows[3] = {{QStringLiteral("バックライトOFF時の画像："), 7, 6},
                              {QStringLiteral("ON1の画像："), 3, 2},
                              {QStringLiteral("ON2の画像："), 4, 5}};
    for (int i = 0; i < 3; ++i) {
        Frame6[i] = frame(Frame4, rows[i].caption, QStringLiteral("Frame6_%1").arg(i), QRect(10, 58 + i * 42, 472, 42));
        Option3[rows[i].builtin] = optionButton(Frame6[i], QStringLiteral("内蔵"), QStringLiteral("Option3_%1").arg(rows[i].builtin), QRect(8, 18, 52, 18));
        Option3[rows[i].user] = optionButton(Frame6[i], QStringLiteral("ユーザーパネル"), QStringLiteral("Option3_%1").arg(rows[i].user), QRect(60, 18, 112, 18));
        txtSelectPanel[i] = textBox(Frame6[i], QStringLiteral("txtSelectPanel_%1").arg(i), QRect(174, 16, 250, 22));
        Command6[i] = button(Frame6[i], QStringLiteral("..."), QStringLiteral("Command6_%1").arg(i), QRect(428, 16, 36, 22));
        connect(Command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    }
    Label5 = label(Frame4,
                   QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分はグレーになりますのでご注意ください。"),
                   QRect(10, 186, 472, 50), true);

    Check1 = checkBox(page, QStringLiteral("整理券番号自動表示機能を使用"), QStringLiteral("Check1"), QRect(12, 266, 320, 18));
    Frame3 = frame(page, QString(), QStringLiteral("Frame3"), QRect(10, 286, 492, 124));
    label(Frame3, QStringLiteral("整理券番号表示設定"), QRect(8, 4, 300, 18));
    Combo2 = dropDown(Frame3, QStringLiteral("Combo2"), QRect(8, 24, 250, 22));
    Check2 = checkBox(Frame3, QStringLiteral("数字が1桁の番号は頭に0を付け足す"), QStringLiteral("Check2"), QRect(268, 26, 220, 18));
    label(Frame3, QStringLiteral("整理券番号のバックライトカラー(文字色)"), QRect(8, 52, 300, 18));
    const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："), QStringLiteral("ON2：")};
    for (int i = 0; i < 3; ++i) {
        label(Frame3, states[i], QRect(8 + i * 110, 72, 40, 22));
        Command5[i] = colorButton(Frame3, QStringLiteral("Command5_%1").arg(i), QRect(48 + i * 110, 72, 52, 22), 0x000000);
        connect(Command5[i], &QPushButton::clicked, this, [this, i] { GetBtnColor(Command5[i]); });
    }
    Label15 = label(Frame3, QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。"),
                    QRect(8, 98, 476, 22), true);
}

void frmOption::createDigitPage()
{
    QGroupBox *page = makePage(2, QStringLiteral("デジタル部品と情報用数字"));

    Frame5[1] = frame(page, QStringLiteral("情報用数字の設定"), QStringLiteral("Frame5_1"), QRect(10, 20, 492, 196));
    const QString captions[4] = {
        QStringLiteral("停留所の順番（区間・個数）を、　　　　　　  コマ目に表示する。"),
        QStringLiteral("整理券番号を、  　　　　　　コマ目に表示する。"),
        QStringLiteral("系統番号を、  　　　　　　コマ目に表示する。"),
        QStringLiteral("データの　　　  　　　　　列目の値を、  　　　　　　コマ目に表示する。"),
    };
    const int rowsY[4] = {22, 66, 92, 118};
    for (int i = 0; i < 4; ++i)
        Check3[i] = checkBox(Frame5[1], captions[i], QStringLiteral("Check3_%1").arg(i), QRect(10, rowsY[i], 470, 22));
    Check3[4] = checkBox(Frame5[1], QStringLiteral("0から数える"), QStringLiteral("Check3_4"), QRect(30, 44, 200, 18));

    // Each cell list sits in the blank of its sentence.
    auto placeList = [&](int combo, int row, const QString &prefix, int width) {
        const int x = 10 + captionOffset(Check3[row], prefix);
        Combo4[combo] = dropDown(Frame5[1], QStringLiteral("Combo4_%1").arg(combo), QRect(x, rowsY[row], width, 22));
    };
    placeList(0, 0, QStringLiteral("停留所の順番（区間・個数）を、"), 64);
    placeList(1, 1, QStringLiteral("整理券番号を、  "), 64);
    placeList(2, 2, QStringLiteral("系統番号を、  "), 64);
    placeList(4, 3, QStringLiteral("データの"), 72);
    placeList(3, 3, QStringLiteral("データの　　　  　　　　　列目の値を、  "), 64);

    Label7 = label(Frame5[1],
                   QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。また、これら情報用数字は運賃の表示よりも優先されます。"),
                   QRect(10, 148, 472, 44), true);

    Frame5[0] = frame(page, QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"), QStringLiteral("Frame5_0"),
                      QRect(10, 224, 492, 120));
    const QString colours[3] = {QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："), QStringLiteral("発光時の文字色：")};
    const OleColor initial[3] = {0x808080, 0x969696, 0x72D2F8};
    for (int i = 0; i < 3; ++i) {
        label(Frame5[0], colours[i], QRect(10, 22 + i * 30, 130, 22));
        Command8[i] = colorButton(Frame5[0], QStringLiteral("Command8_%1").arg(i), QRect(140, 22 + i * 30, 52, 22), initial[i]);
        connect(Command8[i], &QPushButton::clicked, this, [this, i] { GetBtnColor(Command8[i]); });
    }
    label(Frame5[0], QStringLiteral("プレビュー"), QRect(260, 22, 100, 18));
    // The preview shows some lit digits over the unlit row.
    M_Degit1 = new controls::M_Degit(controls::PropertyBag().with(QStringLiteral("Value"), QStringLiteral("1234")), Frame5[0]);
    M_Degit1->setObjectName(QStringLiteral("M_Degit1"));
    M_Degit1->move(260, 44);
}

void frmOption::createStopNamePage()
{
    QGroupBox *page = makePage(3, QStringLiteral("停名の設定"));

    Frame12 = frame(page, QStringLiteral("「次は」の表示設定(データの最初は「次は」は表示されません)"), QStringLiteral("Frame12"), QRect(10, 20, 492, 146));
    label(Frame12, QStringLiteral("「次は」表示オプション："), QRect(10, 24, 170, 22));
    Combo6 = dropDown(Frame12, QStringLiteral("Combo6"), QRect(180, 24, 290, 22));
    Combo6->addItems({QStringLiteral("「次は」表示なし"), QStringLiteral("「次は」を表示（「は」が小さい）"), QStringLiteral("「次は」を表示（同じ大きさ）")});
    label(Frame12, QStringLiteral("フォントオプション："), QRect(10, 52, 170, 22));
    Combo5 = dropDown(Frame12, QStringLiteral("Combo5"), QRect(180, 52, 290, 22));
    Combo5->addItems({QStringLiteral("すべてゴシック体"), QStringLiteral("「は」だけ明朝体"), QStringLiteral("すべて明朝体"), QStringLiteral("「は」だけゴシック体")});
    Check5 = checkBox(Frame12, QStringLiteral("太字（表示の不具合はサポート対象外）"), QStringLiteral("Check5"), QRect(10, 82, 400, 18));
    label(Frame12, QStringLiteral("「次は」の文字色："), QRect(10, 110, 170, 22));
    Command9[2] = colorButton(Frame12, QStringLiteral("Command9_2"), QRect(180, 110, 52, 22), 0x00FFFF);

    Frame11 = frame(page, QStringLiteral("停名部分の設定"), QStringLiteral("Frame11"), QRect(10, 176, 492, 146));
    label(Frame11, QStringLiteral("背景色："), QRect(10, 24, 170, 22));
    Command9[0] = colorButton(Frame11, QStringLiteral("Command9_0"), QRect(180, 24, 52, 22), 0x808080);
    label(Frame11, QStringLiteral("文字色："), QRect(10, 52, 170, 22));
    Command9[1] = colorButton(Frame11, QStringLiteral("Command9_1"), QRect(180, 52, 52, 22), 0x00FFFF);
    label(Frame11, QStringLiteral("フォントオプション："), QRect(10, 80, 170, 22));
    Combo3 = dropDown(Frame11, QStringLiteral("Combo3"), QRect(180, 80, 290, 22));
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"), QStringLiteral("漢字はゴシック、それ以外は明朝"),
                      QStringLiteral("漢字は明朝、それ以外はゴシック"), QStringLiteral("英数字はゴシック、それ以外は明朝")});
    Check4 = checkBox(Frame11, QStringLiteral("太字（表示の不具合はサポート対象外）"), QStringLiteral("Check4"), QRect(10, 110, 400, 18));

    for (QComboBox *c : {Combo6, Combo5, Combo3})
        c->setCurrentIndex(-1);
    for (int i = 0; i < 3; ++i)
        connect(Command9[i], &QPushButton::clicked, this, [this, i] { GetBtnColor(Command9[i]); });
}

void frmOption::createSoundPage()
{
    QGroupBox *page = makePage(4, QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"));

    auto soundRow = [&](QWidget *parent, int slot, const QString &caption, int x, int y, int labelWidth, int boxWidth) {
        label(parent, caption, QRect(x, y, labelWidth, 22));
        txtSelectSound[slot] = textBox(parent, QStringLiteral("txtSelectSound_%1").arg(slot), QRect(x + labelWidth, y, boxWidth, 22));
        cmdSelectSound[slot] = button(parent, QStringLiteral("..."), QStringLiteral("cmdSelectSound_%1").arg(slot),
                                      QRect(x + labelWidth + boxWidth + 4, y, 30, 22));
        connect(cmdSelectSound[slot], &QPushButton::clicked, this, [this, slot] { cmdSelectSound_Click(slot); });
    };
    soundRow(page, 0, QStringLiteral("系統設定時のサウンド："), 10, 22, 150, 300);
    soundRow(page, 1, QStringLiteral("リセット時のサウンド："), 10, 48, 150, 300);

    Option5[0] = optionButton(page, QStringLiteral("放送前のサウンド..."), QStringLiteral("Option5_0"), QRect(12, 76, 200, 18));
    Option5[1] = optionButton(page, QStringLiteral("送り・戻し時のサウンド..."), QStringLiteral("Option5_1"), QRect(220, 76, 240, 18));

    const QRect groupRect(10, 96, 492, 316);
    // Before-announcement sounds.
    Frame2[0] = frame(page, QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"),
                      QStringLiteral("Frame2_0"), groupRect);
    Frame2[0]->setAutoFillBackground(true);
    Option2[2] = optionButton(Frame2[0], QStringLiteral("常に右記のサウンドを鳴らす"), QStringLiteral("Option2_2"), QRect(10, 24, 200, 18));
    soundRow(Frame2[0], 3, QString(), 210, 22, 0, 230);
    Option2[3] = new WrapRadioButton(
        QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす（フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
        Frame2[0]);
    Option2[3]->setObjectName(QStringLiteral("Option2_3"));
    Option2[3]->setGeometry(10, 48, 470, 32);
    for (int k = 0; k < 3; ++k)
        soundRow(Frame2[0], 4 + k, QStringLiteral("「%1」の場合").arg(k + 1), 30, 84 + k * 26, 90, 320);
    Frame9 = frame(Frame2[0], QStringLiteral("再生方法"), QStringLiteral("Frame9"), QRect(10, 164, 472, 62));
    Option7[0] = optionButton(Frame9, QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"), QStringLiteral("Option7_0"), QRect(10, 18, 440, 18));
    Option7[1] = optionButton(Frame9, QStringLiteral("非同期再生(サウンドを再生しながら放送開始)"), QStringLiteral("Option7_1"), QRect(10, 38, 440, 18));
    label(Frame2[0], QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、あらかじめご了承ください。"),
          QRect(10, 232, 470, 36), true)->setObjectName(QStringLiteral("Label1_7"));

    // Forward and back sounds.
    Frame2[1] = frame(page, QStringLiteral("送り・戻し時のサウンド"), QStringLiteral("Frame2_1"), groupRect);
    Frame2[1]->setAutoFillBackground(true);
    Option2[0] = optionButton(Frame2[1], QStringLiteral("常に右記のサウンドを鳴らす"), QStringLiteral("Option2_0"), QRect(10, 24, 200, 18));
    soundRow(Frame2[1], 7, QString(), 210, 22, 0, 230);
    Option2[1] = new WrapRadioButton(
        QStringLiteral("運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）"),
        Frame2[1]);
    Option2[1]->setObjectName(QStringLiteral("Option2_1"));
    Option2[1]->setGeometry(10, 48, 470, 32);
    const QString columnSentence = QStringLiteral("運賃データの                        　　　　　　　　　列目                     のデータが、");
    QLabel *sentence = label(Frame2[1], columnSentence, QRect(30, 84, 450, 22));
    // The column list fills the blank before "列目".
    const int gapStart = sentence->fontMetrics().horizontalAdvance(QStringLiteral("運賃データの "));
    const int gapEnd = sentence->fontMetrics().horizontalAdvance(columnSentence.left(columnSentence.indexOf(QStringLiteral("列目"))));
    Combo1 = dropDown(Frame2[1], QStringLiteral("Combo1"), QRect(30 + gapStart, 84, qMax(72, gapEnd - gapStart - 8), 22));
    for (int k = 0; k < 3; ++k)
        soundRow(Frame2[1], 8 + k, QStringLiteral("「%1」の場合").arg(k + 1), 30, 110 + k * 26, 90, 320);
    Frame8 = frame(Frame2[1], QStringLiteral("再生方法"), QStringLiteral("Frame8"), QRect(10, 190, 472, 62));
    Option6[0] = optionButton(Frame8, QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"), QStringLiteral("Option6_0"), QRect(10, 18, 440, 18));
    Option6[1] = optionButton(Frame8, QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)"), QStringLiteral("Option6_1"), QRect(10, 38, 440, 18));

    for (int i = 0; i < 2; ++i) {
        connect(Option5[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            Frame2[i]->raise();
            Frame2[i]->show();
            Frame2[1 - i]->hide();
        });
    }
}

void frmOption::createTicketPage()
{
    QGroupBox *page = makePage(5, QStringLiteral("整理券プレビュー"));

    chkUseSeiriPrev = checkBox(page, QStringLiteral("整理券プレビュー機能を使用する"), QStringLiteral("chkUseSeiriPrev"), QRect(12, 22, 300, 18));

    Frame10 = frame(page, QStringLiteral("整理券プラグイン設定"), QStringLiteral("Frame10"), QRect(10, 44, 492, 230));
    label(Frame10, QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）："), QRect(10, 20, 470, 18));
    txtSeiriPlgDir = textBox(Frame10, QStringLiteral("txtSeiriPlgDir"), QRect(10, 40, 390, 22));
    Command1 = button(Frame10, QStringLiteral("..."), QStringLiteral("Command1"), QRect(404, 40, 36, 22));
    // The clear button shows a cross.
    Command11 = button(Frame10, QStringLiteral("×"), QStringLiteral("Command11"), QRect(444, 40, 36, 22));
    label(Frame10, QStringLiteral("上記プラグインのプロパティ："), QRect(10, 68, 230, 18));
    List1 = new QListWidget(Frame10);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(10, 88, 230, 132);
    label(Frame10, QStringLiteral("上記プラグインの特記事項："), QRect(250, 68, 230, 18));
    txtPlginComment = new QPlainTextEdit(Frame10);
    txtPlginComment->setObjectName(QStringLiteral("txtPlginComment"));
    txtPlginComment->setReadOnly(true);
    txtPlginComment->setGeometry(250, 88, 230, 132);

    Frame7 = frame(page, QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"), QStringLiteral("Frame7"), QRect(10, 280, 492, 130));
    Option4[0] = optionButton(Frame7, QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), QStringLiteral("Option4_0"), QRect(10, 20, 470, 18));
    Option4[1] = optionButton(Frame7, QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), QStringLiteral("Option4_1"), QRect(10, 40, 470, 18));
    label(Frame7, QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理券の日付変更を行いません。"),
          QRect(30, 58, 450, 32), true);
    Option4[2] = optionButton(Frame7, QStringLiteral("右記の日付に固定"), QStringLiteral("Option4_2"), QRect(10, 96, 150, 18));
    Label10 = label(Frame7, QString(), QRect(170, 94, 100, 22));
    Label10->setObjectName(QStringLiteral("Label10"));
    Command7 = button(Frame7, QStringLiteral("日付選択..."), QStringLiteral("Command7"), QRect(280, 94, 100, 22));
    connect(Command7, &QPushButton::clicked, this, &frmOption::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOption::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, &frmOption::Command11_Click);
}

void frmOption::connectEnablingRules()
{
    connect(Check1, &QCheckBox::stateChanged, this, [this] { flipEnabled(Frame3); });
    connect(Check3[0], &QCheckBox::stateChanged, this, [this] {
        flipEnabled(Combo4[0]);
        flipEnabled(Check3[4]);
    });
    connect(Check3[1], &QCheckBox::stateChanged, this, [this] { flipEnabled(Combo4[1]); });
    connect(Check3[2], &QCheckBox::stateChanged, this, [this] { flipEnabled(Combo4[2]); });
    connect(Check3[3], &QCheckBox::stateChanged, this, [this] {
        flipEnabled(Combo4[3]);
        flipEnabled(Combo4[4]);
    });
    for (QRadioButton *o : Option3)
        connect(o, &QRadioButton::toggled, this, &frmOption::applyPanelChoiceRule);
    connect(chkUseSeiriPrev, &QCheckBox::stateChanged, this, [this] {
        const bool on = checkValue(chkUseSeiriPrev) != 0;
        for (QGroupBox *g : {Frame10, Frame7}) {
            g->setEnabled(on);
            g->setVisible(on);
        }
    });
}

void frmOption::applyPanelChoiceRule()
{
    const bool individual = !Option3[0]->isChecked();
    for (QGroupBox *g : Frame6) {
        g->setEnabled(individual);
        g->setVisible(individual);
    }
}

void frmOption::applyDesignState()
{
    Option1[0]->setChecked(true);
    Option5[1]->setChecked(true);
    Option2[0]->setChecked(true);
    Option6[1]->setChecked(true);
    Option2[2]->setChecked(true);
    Option7[0]->setChecked(true);
    Option4[0]->setChecked(true);
    Option3[0]->setChecked(true);
    Option3[7]->setChecked(true);
    Option3[3]->setChecked(true);
    Option3[4]->setChecked(true);
    applyPanelChoiceRule();
    Check1->setChecked(true);
    for (QComboBox *c : Combo4)
        c->setEnabled(false);
    Check3[4]->setEnabled(false);
    for (QGroupBox *g : {Frame10, Frame7}) {
        g->setEnabled(false);
        g->setVisible(false);
    }
    showPage(0);
}

void frmOption::Form_Load()
{
    M_Degit1->setDegitSize(2);
    for (int i = 0; i < 4; ++i) {
        for (int n = 1; n <= 30; ++n)
            Combo4[i]->addItem(QString::number(n));
        Combo4[i]->setCurrentIndex(0);
    }
    for (QComboBox *c : {Combo1, Combo4[4]}) {
        for (int n = 1; n <= 150; ++n)
            c->addItem(QString::number(n));
        c->setCurrentIndex(0);
    }
    AddComboItem();
    Label10->setText(m_clock.now().date().toString(QStringLiteral("yyyy/MM/dd")));
}

void frmOption::AddComboItem()
{
    const QString patterns[12] = {
        QStringLiteral("1,2,3..."),        QStringLiteral("0,1,2..."),        QStringLiteral("「なし」、1,2..."),
        QStringLiteral("「なし」、2,3..."), QStringLiteral("「無券」、1,2..."), QStringLiteral("「無券」、2,3..."),
        QStringLiteral("「券なし」、1,2..."), QStringLiteral("「券なし」、2,3..."), QStringLiteral("「券無し」、1,2..."),
        QStringLiteral("「券無し」、2,3..."), QStringLiteral("(無地)、1,2..."),  QStringLiteral("(無地)、2,3..."),
    };
    Combo2->clear();
    for (int i = 0; i < 12; ++i) {
        // Styles that number from 0, or that give ticket 1 a word, end at 29.
        const bool endsAt29 = (i == 1) || (i >= 2 && i % 2 == 0);
        QString entry = patterns[i] + (endsAt29 ? QStringLiteral(" 29") : QStringLiteral(" 30"));
        if (i == 0)
            entry += QStringLiteral(" （既定の表示）");
        Combo2->addItem(entry);
    }
    Combo2->setCurrentIndex(0);
}

QString frmOption::GetPathString()
{
    return reslib::Kb3FolderDlg(this, FolderTitle);
}

void frmOption::Command3_Click(int index)
{
    const QString folder = GetPathString();
    if (!folder.isEmpty()) {
        Text2[index]->setText(folder);
        noteChosenPath(folder);
    }
}

void frmOption::connectPathNotices()
{
    std::vector<QLineEdit *> paths = {Text2[0], Text2[1], txtSeiriPlgDir};
    paths.insert(paths.end(), txtSelectPanel.begin(), txtSelectPanel.end());
    paths.insert(paths.end(), txtSelectSound.begin(), txtSelectSound.end());
    for (QLineEdit *edit : paths) {
        if (edit)
            connect(edit, &QLineEdit::editingFinished, this, [this, edit] { noteChosenPath(edit->text()); });
    }
}

void frmOption::noteChosenPath(const QString &path)
{
    if (m_toldAboutExactTexts || base::Cp932::canEncode(path))
        return;
    m_toldAboutExactTexts = true;
    m_host.messages().show(this, IniTextCompanion::noticeText(path, IniFileLocation::defaultConfigFolder()),
                           ui::MessagePresenter::applicationTitle(), ui::MessagePresenter::Buttons::Ok,
                           ui::MessagePresenter::Icon::Information);
}

void frmOption::Command10_Click(int index)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(Text2[index]->text()));
}

void frmOption::cmdSelectSound_Click(int index)
{
    const QByteArray filter = base::Cp932::fromUnicode(
        QStringLiteral("Waveサウンド(*.wav)") + QChar(0) + QStringLiteral("*.wav") + QChar(0) + QStringLiteral("MIDIサウンド(*.mid)")
        + QChar(0) + QStringLiteral("*.mid") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(this, 0, filter, QString(), QStringLiteral("サウンドの選択"));
    if (!file.isEmpty()) {
        txtSelectSound[index]->setText(file);
        noteChosenPath(file);
    }
}

void frmOption::Command6_Click(int index)
{
    const QByteArray filter = base::Cp932::fromUnicode(
        QStringLiteral("ビットマップ(*.bmp)") + QChar(0) + QStringLiteral("*.bmp") + QChar(0) + QStringLiteral("GIF画像(*.gif)") + QChar(0)
        + QStringLiteral("*.gif") + QChar(0) + QStringLiteral("JPEG画像(*.jpg)") + QChar(0) + QStringLiteral("*.jpg") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(this, 0, filter, QString(), QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty()) {
        txtSelectPanel[index]->setText(file);
        noteChosenPath(file);
    }
}

void frmOption::GetBtnColor(ColorButton *target)
{
    int32_t colour = static_cast<int32_t>(target->BackColor());
    if (reslib::Kb3ChooseColor(this, colour, CustomColors.data()) == 0)
        return;
    target->setBackColor(static_cast<OleColor>(colour));
    if (target == Command8[0] || target == Command8[1] || target == Command8[2])
        recolourPreviewDigit();
}

void frmOption::recolourPreviewDigit()
{
    M_Degit1->setBackColor(Command8[0]->BackColor());
    M_Degit1->setBaseForeColor(Command8[1]->BackColor());
    M_Degit1->setDegitForeColor(Command8[2]->BackColor());
}

void frmOption::Command7_Click()
{
    reslib::SystemTime date;
    if (reslib::Call_dlg111(this, date) == 0)
        return;
    Label10->setText(QStringLiteral("%1/%2/%3")
                         .arg(date.wYear)
                         .arg(date.wMonth, 2, 10, QLatin1Char('0'))
                         .arg(date.wDay, 2, 10, QLatin1Char('0')));
}

// --- ticket plug-in ---

void frmOption::Command1_Click()
{
    const QByteArray filter = base::Cp932::fromUnicode(QStringLiteral("整理券プラグイン(*.4SP)") + QChar(0)
                                                           + QStringLiteral("*.4SP") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(this, 0, filter, QString(), QStringLiteral("プラグインの選択"));
    if (file.isEmpty())
        return;

    // The company list makes room for the new plug-in's names. A refused file leaves the plug-in
    // in use as it was, so its names come back with the choice that was made among them.
    QComboBox *companies = m_host.companyList();
    QStringList previous;
    for (int i = 0; i < companies->count(); ++i)
        previous << companies->itemText(i);
    const int previousChoice = companies->currentIndex();
    companies->clear();

    // Choosing a plug-in again gives it another chance after a crash.
    reslib::AllowPlugin(file);
    if (SetPlgin(file) != 0) {
        txtSeiriPlgDir->setText(file);
        noteChosenPath(file);
        return;
    }
    companies->addItems(previous);
    companies->setCurrentIndex(previousChoice);
    m_host.messages().show(this, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                           QStringLiteral("プラグインロードエラー"), ui::MessagePresenter::Buttons::Ok,
                           ui::MessagePresenter::Icon::Error);
}

void frmOption::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

int32_t frmOption::SetPlgin(const QString &file)
{
    if (file.isEmpty())
        return 0;
    // Opened by its real name: only the texts handed to a plug-in are code-page bytes.
    const QString &plugin = file;
    reslib::PlgInfo info;
    if (reslib::KB4_GetPlgInfo(plugin, info) == 0)
        return 0;
    reslib::KB4_SetPlgComment(plugin, txtPlginComment);
    listPlgInfo(info);

    // The preview takes the plug-in's size; a size no screen could show is held to one that can.
    constexpr int MaxPreviewTwips = 2000 * base::TwipsPerPixel;
    QLabel *preview = m_host.ticketPreview();
    preview->resize(base::px(qBound(0, info.PrevWidth, MaxPreviewTwips)),
                    base::px(qBound(0, info.PrevHeight, MaxPreviewTwips)));

    if (info.CorpCount >= 1)
        reslib::KB4_SetCorpAddList(plugin, m_host.companyList());
    return 2;
}

void frmOption::listPlgInfo(const reslib::PlgInfo &info)
{
    const QString can = QStringLiteral("---> 可能");
    const QString cannot = QStringLiteral("---> 不可");
    auto choice = [&](int32_t flag) { return flag == 1 ? can : cannot; };

    List1->clear();
    List1->addItem(QStringLiteral("日付の印字 ") + choice(info.CanDate));
    List1->addItem(QStringLiteral("時刻の印字 ") + choice(info.CanTime));
    List1->addItem(QStringLiteral("系統番号の印字 ") + choice(info.CanRouteNo));
    List1->addItem(QStringLiteral("停名の印字 ") + choice(info.CanStopName));
    List1->addItem(QStringLiteral("バーコード印字 ") + choice(info.CanBarcode));
    if (info.CanBarcode == 1) {
        List1->addItem(QStringLiteral("バーコード本数 ---> ") + QString::number(info.BarcodeCount));
        List1->addItem(QStringLiteral("バーコード系統方式 ")
                       + (info.BarcodeMode == 1 ? QStringLiteral("---> 連番式") : QStringLiteral("---> 系統番号＋往復フラグ")));
        List1->addItem(QStringLiteral("設定可能な系統範囲 ") + QStringLiteral("---> 1 ～ ") + QString::number(info.MaxRouteNo));
        List1->addItem(QStringLiteral("停留所認識範囲 ---> ") + QString::number(info.StopFrom) + QStringLiteral(" ～ ")
                       + QString::number(info.StopTo));
    }
    List1->addItem(QStringLiteral("社名切り替え:") + (info.CorpCount >= 1 ? can : cannot));
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}

void frmOption::SetProp()
{
    // 1. Ticket numbers shown or not; the grey state counts as shown.
    const bool numbersShown = checkValue(Check1) != 0;
    for (int i = 1; i <= 30; ++i)
        m_host.lblSeiriNum(i)->setVisible(numbersShown);

    // 2. Numbering, with copies of the two settings.
    int16_t style = static_cast<int16_t>(Combo2->currentIndex());
    int16_t zeroFill = static_cast<int16_t>(checkValue(Check2));
    m_host.SeirikenNumSet(style, zeroFill);

    // 3. Ticket-number colour of the backlight state the console shows.
    OleColor numberColor = 0;
    for (int i = 0; i < 3; ++i) {
        if (m_host.backlightSelected(i))
            numberColor = Command5[i]->BackColor();
    }
    for (int i = 1; i <= 30; ++i) {
        QLabel *label = m_host.lblSeiriNum(i);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, base::toQColor(numberColor));
        label->setPalette(p);
    }

    // 4 and 5. Fare digits, then the clock digits.
    auto colourDigit = [this](controls::M_Degit *d) {
        d->setBackColor(Command8[0]->BackColor());
        d->setBaseForeColor(Command8[1]->BackColor());
        d->setDegitForeColor(Command8[2]->BackColor());
    };
    for (int k = 1; k <= 30; ++k)
        colourDigit(m_host.Degit(k));
    colourDigit(m_host.TimeDegit(0));
    colourDigit(m_host.TimeDegit(1));

    // 6. The stop-name display.
    controls::ChimeiCtl_DX *chimei = m_host.ChimeiCtl();
    chimei->setBackColor(Command9[0]->BackColor());
    chimei->setForeColor(Command9[1]->BackColor());
    chimei->setFontMode(static_cast<int16_t>(Combo3->currentIndex()));
    chimei->setFontBold(checkValue(Check4) == 1);
    chimei->setTsugiwaMode(static_cast<int16_t>(Combo6->currentIndex()));
    chimei->setTsugiwaColor(Command9[2]->BackColor());
    chimei->setTsugiwaFontMode(static_cast<int16_t>(Combo5->currentIndex()));
    chimei->setTsugiwaBold(checkValue(Check5) == 1);

    // 7. The backlight: picture and number colour of the selected state.
    int16_t index = 2;
    if (m_host.backlightSelected(0))
        index = 0;
    else if (m_host.backlightSelected(1))
        index = 1;
    m_host.Option4_Click(index);
}

// --- options as the rest of the program reads them ---

QString frmOption::fareDataFolder() const
{
    return Text2[0]->text();
}

QString frmOption::broadcastDataFolder() const
{
    return Text2[1]->text();
}

QString frmOption::soundFile(int slot) const
{
    if (slot < 0 || slot >= static_cast<int>(txtSelectSound.size()) || !txtSelectSound[slot])
        return {};
    return txtSelectSound[slot]->text();
}

bool frmOption::stepSoundAlways() const
{
    return Option2[0]->isChecked();
}

int frmOption::stepSoundColumnIndex() const
{
    return Combo1->currentIndex();
}

bool frmOption::stepSoundWaits() const
{
    return Option6[0]->isChecked();
}

bool frmOption::preSoundAlways() const
{
    return Option2[2]->isChecked();
}

bool frmOption::preSoundWaits() const
{
    return Option7[0]->isChecked();
}

frmOption::InfoDigit frmOption::stopOrderDigit() const
{
    return {checkValue(Check3[0]) != 0, Combo4[0]->currentIndex()};
}

bool frmOption::stopOrderFromZero() const
{
    return checkValue(Check3[4]) != 0;
}

frmOption::InfoDigit frmOption::ticketNoDigit() const
{
    return {checkValue(Check3[1]) != 0, Combo4[1]->currentIndex()};
}

frmOption::InfoDigit frmOption::routeNoDigit() const
{
    return {checkValue(Check3[2]) != 0, Combo4[2]->currentIndex()};
}

frmOption::InfoDigit frmOption::columnDigit() const
{
    return {checkValue(Check3[3]) != 0, Combo4[3]->currentIndex()};
}

int frmOption::columnDigitColumnIndex() const
{
    return Combo4[4]->currentIndex();
}

int frmOption::tsugiwaOption() const
{
    return Combo6->currentIndex();
}

bool frmOption::panelsIndividual() const
{
    return Option3[1]->isChecked();
}

bool frmOption::userPanelChosen(int state) const
{
    static constexpr int userButton[3] = {6, 2, 5};
    return state >= 0 && state < 3 && Option3[userButton[state]]->isChecked();
}

QString frmOption::userPanelFile(int state) const
{
    return (state >= 0 && state < 3) ? txtSelectPanel[state]->text() : QString();
}

OleColor frmOption::ticketNumberColor(int state) const
{
    return (state >= 0 && state < 3) ? Command5[state]->BackColor() : 0;
}

bool frmOption::ticketPreviewEnabled() const
{
    return checkValue(chkUseSeiriPrev) != 0;
}

QString frmOption::ticketPluginFile() const
{
    return txtSeiriPlgDir->text();
}

int frmOption::ticketDateMode() const
{
    if (Option4[2]->isChecked())
        return 2;
    if (Option4[1]->isChecked())
        return 1;
    return 0;
}

QString frmOption::fixedDateText() const
{
    return Label10->text();
}

} // namespace settings

// --- the settings file ---

namespace settings {

using namespace OptionCopy;

void frmOption::GetOptionInfo(IniRecords &r) const
{
    r.folder.FareDataDir = Text2[0]->text();
    r.folder.TpDataDir = Text2[1]->text();

    PanelInfo &p = r.panel;
    p.UseSeiriNum = static_cast<int16_t>(checkValue(Check1));
    for (int i = 0; i < 3; ++i)
        p.SeiriNumColor[i] = Command5[i]->BackColor();
    p.SeiriNumStyle = listIndex(Combo2);
    p.SeiriNumZero = static_cast<int16_t>(checkValue(Check2));
    p.PanelAuto = optionValue(Option3[0]);
    p.PanelManual = optionValue(Option3[1]);
    p.PanelOffBuiltin = optionValue(Option3[7]);
    p.PanelOffUser = optionValue(Option3[6]);
    p.PanelOn1Builtin = optionValue(Option3[3]);
    p.PanelOn1User = optionValue(Option3[2]);
    p.PanelOn2Builtin = optionValue(Option3[4]);
    p.PanelOn2User = optionValue(Option3[5]);
    for (int i = 0; i < 3; ++i)
        p.PanelFile[i] = txtSelectPanel[i]->text();

    DegitInfo &d = r.degit;
    d.DegitBackColor = Command8[0]->BackColor();
    d.DegitOffColor = Command8[1]->BackColor();
    d.DegitOnColor = Command8[2]->BackColor();
    d.InfoOrderUse = static_cast<int16_t>(checkValue(Check3[0]));
    d.InfoOrderCell = listIndex(Combo4[0]);
    d.InfoFromZero = static_cast<int16_t>(checkValue(Check3[4]));
    d.InfoSeiriUse = static_cast<int16_t>(checkValue(Check3[1]));
    d.InfoSeiriCell = listIndex(Combo4[1]);
    d.InfoKeitouUse = static_cast<int16_t>(checkValue(Check3[2]));
    d.InfoKeitouCell = listIndex(Combo4[2]);
    d.InfoColumnUse = static_cast<int16_t>(checkValue(Check3[3]));
    d.InfoColumnNo = listIndex(Combo4[4]);
    d.InfoColumnCell = listIndex(Combo4[3]);

    ChimeiInfo &c = r.chimei;
    c.ChimeiBackColor = Command9[0]->BackColor();
    c.ChimeiForeColor = Command9[1]->BackColor();
    c.ChimeiFontMode = listIndex(Combo3);
    c.ChimeiBold = static_cast<int16_t>(checkValue(Check4));
    c.ChimeiTsugiwaMode = listIndex(Combo6);
    c.ChimeiTsugiwaColor = Command9[2]->BackColor();
    c.ChimeiTsugiwaFontMode = listIndex(Combo5);
    c.ChimeiTsugiwaBold = static_cast<int16_t>(checkValue(Check5));

    SoundInfo &s = r.sound;
    s.SndKeitou = txtSelectSound[0]->text();
    s.SndReset = txtSelectSound[1]->text();
    s.SndStepAlways = optionValue(Option2[0]);
    s.SndStepByColumn = optionValue(Option2[1]);
    s.SndStepSync = optionValue(Option6[0]);
    s.SndStepAsync = optionValue(Option6[1]);
    s.SndStepFile = txtSelectSound[7]->text();
    s.SndStepColumn = listIndex(Combo1);
    s.SndStepFile1 = txtSelectSound[8]->text();
    s.SndStepFile2 = txtSelectSound[9]->text();
    s.SndStepFile3 = txtSelectSound[10]->text();
    s.SndPreAlways = optionValue(Option2[2]);
    s.SndPreByFlag = optionValue(Option2[3]);
    s.SndPreSync = optionValue(Option7[0]);
    s.SndPreAsync = optionValue(Option7[1]);
    s.SndPreFile = txtSelectSound[3]->text();
    s.SndPreFile1 = txtSelectSound[4]->text();
    s.SndPreFile2 = txtSelectSound[5]->text();
    s.SndPreFile3 = txtSelectSound[6]->text();

    SeirikenInfo &t = r.seiriken;
    t.UseSeiriPrev = static_cast<int16_t>(checkValue(chkUseSeiriPrev));
    t.SeiriPlgFile = txtSeiriPlgDir->text();
    t.DateEachPrint = optionValue(Option4[0]);
    t.DateKeep = optionValue(Option4[1]);
    t.DateFixed = optionValue(Option4[2]);
    t.FixedDate = Label10->text();
}

IniStatus frmOption::SetOptionInfo(const IniRecords &r)
{
    // A value its control refuses leaves the control as it was, with the value it had before
    // loading, and the fields after it are still applied; the first refusal is reported.
    IniStatus firstRefusal;
#define APPLY(step)                                                                                          \
    do {                                                                                                     \
        const IniStatus status = (step);                                                                     \
        if (!status.ok() && firstRefusal.ok())                                                               \
            firstRefusal = status;                                                                           \
    } while (false)

    Text2[0]->setText(r.folder.FareDataDir);
    Text2[1]->setText(r.folder.TpDataDir);

    const PanelInfo &p = r.panel;
    APPLY(setCheck(Check1, p.UseSeiriNum));
    for (int i = 0; i < 3; ++i)
        Command5[i]->setBackColor(p.SeiriNumColor[i]);
    APPLY(setListIndex(Combo2, p.SeiriNumStyle));
    APPLY(setCheck(Check2, p.SeiriNumZero));
    APPLY(setOptionValue(Option3[0], p.PanelAuto));
    APPLY(setOptionValue(Option3[1], p.PanelManual));
    APPLY(setOptionValue(Option3[7], p.PanelOffBuiltin));
    APPLY(setOptionValue(Option3[6], p.PanelOffUser));
    APPLY(setOptionValue(Option3[3], p.PanelOn1Builtin));
    APPLY(setOptionValue(Option3[2], p.PanelOn1User));
    APPLY(setOptionValue(Option3[4], p.PanelOn2Builtin));
    APPLY(setOptionValue(Option3[5], p.PanelOn2User));
    for (int i = 0; i < 3; ++i)
        txtSelectPanel[i]->setText(p.PanelFile[i]);
    // The panel picture follows the restored image choices when SetProp runs at the end of
    // loading, which is always reached. Running the backlight handler here as well showed the
    // message about a bad user picture twice.

    const DegitInfo &d = r.degit;
    Command8[0]->setBackColor(d.DegitBackColor);
    Command8[1]->setBackColor(d.DegitOffColor);
    Command8[2]->setBackColor(d.DegitOnColor);
    APPLY(setCheck(Check3[0], d.InfoOrderUse));
    APPLY(setListIndex(Combo4[0], d.InfoOrderCell));
    APPLY(setCheck(Check3[4], d.InfoFromZero));
    APPLY(setCheck(Check3[1], d.InfoSeiriUse));
    APPLY(setListIndex(Combo4[1], d.InfoSeiriCell));
    APPLY(setCheck(Check3[2], d.InfoKeitouUse));
    APPLY(setListIndex(Combo4[2], d.InfoKeitouCell));
    APPLY(setCheck(Check3[3], d.InfoColumnUse));
    APPLY(setListIndex(Combo4[4], d.InfoColumnNo));
    APPLY(setListIndex(Combo4[3], d.InfoColumnCell));
    recolourPreviewDigit();

    const ChimeiInfo &c = r.chimei;
    Command9[0]->setBackColor(c.ChimeiBackColor);
    Command9[1]->setBackColor(c.ChimeiForeColor);
    APPLY(setListIndex(Combo3, c.ChimeiFontMode));
    APPLY(setCheck(Check4, c.ChimeiBold));
    APPLY(setListIndex(Combo6, c.ChimeiTsugiwaMode));
    Command9[2]->setBackColor(c.ChimeiTsugiwaColor);
    APPLY(setListIndex(Combo5, c.ChimeiTsugiwaFontMode));
    APPLY(setCheck(Check5, c.ChimeiTsugiwaBold));

    const SoundInfo &s = r.sound;
    txtSelectSound[0]->setText(s.SndKeitou);
    txtSelectSound[1]->setText(s.SndReset);
    APPLY(setOptionValue(Option2[0], s.SndStepAlways));
    APPLY(setOptionValue(Option2[1], s.SndStepByColumn));
    APPLY(setOptionValue(Option6[0], s.SndStepSync));
    APPLY(setOptionValue(Option6[1], s.SndStepAsync));
    txtSelectSound[7]->setText(s.SndStepFile);
    APPLY(setListIndex(Combo1, s.SndStepColumn));
    txtSelectSound[8]->setText(s.SndStepFile1);
    txtSelectSound[9]->setText(s.SndStepFile2);
    txtSelectSound[10]->setText(s.SndStepFile3);
    APPLY(setOptionValue(Option2[2], s.SndPreAlways));
    APPLY(setOptionValue(Option2[3], s.SndPreByFlag));
    APPLY(setOptionValue(Option7[0], s.SndPreSync));
    APPLY(setOptionValue(Option7[1], s.SndPreAsync));
    txtSelectSound[3]->setText(s.SndPreFile);
    txtSelectSound[4]->setText(s.SndPreFile1);
    txtSelectSound[5]->setText(s.SndPreFile2);
    txtSelectSound[6]->setText(s.SndPreFile3);

    const SeirikenInfo &t = r.seiriken;
    APPLY(setCheck(chkUseSeiriPrev, t.UseSeiriPrev));
    txtSeiriPlgDir->setText(t.SeiriPlgFile);
    APPLY(setOptionValue(Option4[0], t.DateEachPrint));
    APPLY(setOptionValue(Option4[1], t.DateKeep));
    APPLY(setOptionValue(Option4[2], t.DateFixed));
    Label10->setText(t.FixedDate);
#undef APPLY

    // At settings load a refused plug-in is passed over silently.
    SetPlgin(txtSeiriPlgDir->text());
    return firstRefusal;
}

} // namespace settings
