#include "settings/TicketPage.h"

#include "base/Cp932.h"
#include "base/Twips.h"
#include "reslib/KBP4Res.h"
#include "settings/ControlValues.h"
#include "settings/OptionBinding.h"
#include "settings/OptionWidgets.h"
#include "settings/PanelHost.h"
#include "settings/frmOption.h"
#include "ui/MessagePresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

namespace settings {

void TicketPage::build(QGroupBox *page)
{
    chkUseSeiriPrev = make::checkBox(page, QStringLiteral("整理券プレビュー機能を使用する"), QStringLiteral("chkUseSeiriPrev"), QRect(12, 22, 300, 18));
    buildPluginGroup(page);
    buildDateGroup(page);
    QObject::connect(Command7, &QPushButton::clicked, page, [this] { Command7_Click(); });
    QObject::connect(Command1, &QPushButton::clicked, page, [this] { Command1_Click(); });
    QObject::connect(Command11, &QPushButton::clicked, page, [this] { Command11_Click(); });
}

void TicketPage::buildPluginGroup(QGroupBox *page)
{
    Frame10 = make::frame(page, QStringLiteral("整理券プラグイン設定"), QStringLiteral("Frame10"), QRect(10, 44, 492, 230));
    QLabel *caption = make::label(Frame10, QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）："), QRect(10, 20, 470, 18));
    txtSeiriPlgDir = make::textBox(Frame10, QStringLiteral("txtSeiriPlgDir"), QRect(10, 40, 390, 22));
    Command1 = make::button(Frame10, QStringLiteral("..."), QStringLiteral("Command1"), QRect(404, 40, 36, 22));
    // The clear button shows a cross.
    Command11 = make::button(Frame10, QStringLiteral("×"), QStringLiteral("Command11"), QRect(444, 40, 36, 22));
    nameControl(txtSeiriPlgDir, QStringLiteral("整理券プラグイン"), caption);
    nameControl(Command1, QStringLiteral("整理券プラグインを選ぶ"));
    nameControl(Command11, QStringLiteral("整理券プラグインの指定を消す"));
    caption = make::label(Frame10, QStringLiteral("上記プラグインのプロパティ："), QRect(10, 68, 230, 18));
    List1 = new QListWidget(Frame10);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(10, 88, 230, 132);
    nameControl(List1, QStringLiteral("整理券プラグインのプロパティ"), caption);
    caption = make::label(Frame10, QStringLiteral("上記プラグインの特記事項："), QRect(250, 68, 230, 18));
    txtPlginComment = new QPlainTextEdit(Frame10);
    txtPlginComment->setObjectName(QStringLiteral("txtPlginComment"));
    txtPlginComment->setReadOnly(true);
    txtPlginComment->setGeometry(250, 88, 230, 132);
    nameControl(txtPlginComment, QStringLiteral("整理券プラグインの特記事項"), caption);
}

void TicketPage::buildDateGroup(QGroupBox *page)
{
    Frame7 = make::frame(page, QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"), QStringLiteral("Frame7"), QRect(10, 280, 492, 130));
    Option4[TicketDateMode::AtPrint] = make::optionButton(Frame7, QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), QStringLiteral("Option4_0"), QRect(10, 20, 470, 18));
    Option4[TicketDateMode::KeptAtRouteSetting] = make::optionButton(Frame7, QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), QStringLiteral("Option4_1"), QRect(10, 40, 470, 18));
    make::label(Frame7, QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで整理券の日付変更を行いません。"),
                QRect(30, 58, 450, 32), true);
    Option4[TicketDateMode::Fixed] = make::optionButton(Frame7, QStringLiteral("右記の日付に固定"), QStringLiteral("Option4_2"), QRect(10, 96, 150, 18));
    Label10 = make::label(Frame7, QString(), QRect(170, 94, 100, 22));
    Label10->setObjectName(QStringLiteral("Label10"));
    Command7 = make::button(Frame7, QStringLiteral("日付選択..."), QStringLiteral("Command7"), QRect(280, 94, 100, 22));
}

void TicketPage::bind(OptionBinding &binding)
{
    binding.check(chkUseSeiriPrev, [](auto &r) -> auto & { return r.seiriken.UseSeiriPrev; });
    binding.text(txtSeiriPlgDir, [](auto &r) -> auto & { return r.seiriken.SeiriPlgFile; });
    binding.option(Option4[TicketDateMode::AtPrint], [](auto &r) -> auto & { return r.seiriken.DateEachPrint; });
    binding.option(Option4[TicketDateMode::KeptAtRouteSetting], [](auto &r) -> auto & { return r.seiriken.DateKeep; });
    binding.option(Option4[TicketDateMode::Fixed], [](auto &r) -> auto & { return r.seiriken.DateFixed; });
    binding.caption(Label10, [](auto &r) -> auto & { return r.seiriken.FixedDate; });
}

void TicketPage::startRules()
{
    applyPreviewRule();
    QObject::connect(chkUseSeiriPrev, &QCheckBox::stateChanged, Frame10, [this] { applyPreviewRule(); });
}

void TicketPage::applyPreviewRule()
{
    const bool on = checkValue(chkUseSeiriPrev) != 0;
    for (QGroupBox *g : {Frame10, Frame7}) {
        g->setEnabled(on);
        g->setVisible(on);
    }
}

void TicketPage::Command7_Click()
{
    reslib::SystemTime date;
    if (reslib::Call_dlg111(&m_window, date) == 0)
        return;
    const QString text = QStringLiteral("%1/%2/%3")
                             .arg(date.wYear)
                             .arg(date.wMonth, 2, 10, QLatin1Char('0'))
                             .arg(date.wDay, 2, 10, QLatin1Char('0'));
    m_window.options().change([&](OptionRecords &r) { r.seiriken.FixedDate = text; });
}

void TicketPage::Command1_Click()
{
    const QByteArray filter = base::Cp932::fromUnicode(QStringLiteral("整理券プラグイン(*.4SP)") + QChar(0)
                                                       + QStringLiteral("*.4SP") + QChar(0) + QChar(0));
    const QString file = reslib::Kb3FileDlg(&m_window, 0, filter, QString(), QStringLiteral("プラグインの選択"));
    if (file.isEmpty())
        return;

    // The company list makes room for the new plug-in's names. A refused file leaves the plug-in
    // in use as it was, so its names come back with the choice that was made among them.
    QComboBox *companies = m_window.host().companyList();
    QStringList previous;
    for (int i = 0; i < companies->count(); ++i)
        previous << companies->itemText(i);
    const int previousChoice = companies->currentIndex();
    companies->clear();

    // Choosing a plug-in again gives it another chance after a crash.
    reslib::AllowPlugin(file);
    QString refusal;
    if (SetPlgin(file, &refusal) != 0) {
        txtSeiriPlgDir->setText(file);
        m_window.noteChosenPath(file);
        return;
    }
    companies->addItems(previous);
    companies->setCurrentIndex(previousChoice);
    // The message is the original's; what exactly is wrong goes to the plug-in's author on
    // standard error (731-tool plugin check says the same).
    std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(refusal));
    m_window.host().messages().show(&m_window, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                                    QStringLiteral("プラグインロードエラー"), ui::MessagePresenter::Buttons::Ok,
                                    ui::MessagePresenter::Icon::Error);
}

void TicketPage::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

int32_t TicketPage::SetPlgin(const QString &file, QString *refusal)
{
    if (file.isEmpty()) {
        if (refusal)
            *refusal = QStringLiteral("no file is named");
        return 0;
    }
    // Opened by its real name: only the texts handed to a plug-in are code-page bytes.
    const QString &plugin = file;
    reslib::PlgInfo info;
    if (reslib::KB4_GetPlgInfo(plugin, info, refusal) == 0)
        return 0;
    reslib::KB4_SetPlgComment(plugin, txtPlginComment);
    listPlgInfo(info);

    // The preview takes the plug-in's size; a size no screen could show is held to one that can.
    constexpr int MaxPreviewTwips = 2000 * base::TwipsPerPixel;
    QLabel *preview = m_window.host().ticketPreview();
    preview->resize(base::px(qBound(0, info.PrevWidth, MaxPreviewTwips)),
                    base::px(qBound(0, info.PrevHeight, MaxPreviewTwips)));

    if (info.CorpCount >= 1)
        reslib::KB4_SetCorpAddList(plugin, m_window.host().companyList());
    return 2;
}

void TicketPage::listPlgInfo(const reslib::PlgInfo &info)
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

} // namespace settings
