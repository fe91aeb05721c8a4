#include "settings/frmOption.h"

#include "base/Cp932.h"
#include "reslib/KBP4Res.h"
#include "settings/ColorButton.h"
#include "settings/DigitPage.h"
#include "settings/FolderPage.h"
#include "settings/IniFileLocation.h"
#include "settings/IniTextCompanion.h"
#include "settings/OptionWidgets.h"
#include "settings/Options.h"
#include "settings/PanelHost.h"
#include "settings/PanelPage.h"
#include "settings/SetProp.h"
#include "settings/SoundPage.h"
#include "settings/StopNamePage.h"
#include "settings/TicketPage.h"
#include "settings/WrapRadioButton.h"
#include "ui/MessagePresenter.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace settings {
namespace {

constexpr int DialogWidth = 700;
constexpr int DialogHeight = 470;
const QRect PageRect(180, 8, 512, 418);

} // namespace

frmOption::frmOption(Options &options, PanelHost &host, QWidget *parent)
    : QDialog(parent), m_options(options), m_host(host), m_binding(options),
      m_folderPage(std::make_unique<FolderPage>(*this)), m_panelPage(std::make_unique<PanelPage>(*this)),
      m_digitPage(std::make_unique<DigitPage>(*this)), m_stopNamePage(std::make_unique<StopNamePage>(*this)),
      m_soundPage(std::make_unique<SoundPage>(*this)), m_ticketPage(std::make_unique<TicketPage>(*this))
{
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("オプション"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(DialogWidth, DialogHeight);

    createPageSelectors();
    createPages();
    Command4 = make::button(this, QStringLiteral("OK"), QStringLiteral("Command4"),
                            QRect(DialogWidth - 100, DialogHeight - 36, 90, 26));
    Command4->setDefault(true);
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);
    bindPages();

    Option1[0]->setChecked(true);
    showPage(0);
}

frmOption::~frmOption() = default;

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

QGroupBox *frmOption::makePage(int index, const QString &caption)
{
    QGroupBox *page = make::frame(this, caption, QStringLiteral("Frame1_%1").arg(index), PageRect);
    // A page on top hides the pages beneath it.
    page->setAutoFillBackground(true);
    Frame1[index] = page;
    return page;
}

void frmOption::createPages()
{
    // Later pages lie on top of earlier ones until a selector raises one.
    m_ticketPage->build(makePage(5, QStringLiteral("整理券プレビュー")));
    m_soundPage->build(makePage(4, QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）")));
    m_stopNamePage->build(makePage(3, QStringLiteral("停名の設定")));
    m_digitPage->build(makePage(2, QStringLiteral("デジタル部品と情報用数字")));
    m_panelPage->build(makePage(1, QStringLiteral("パネルと整理券番号表示")));
    m_folderPage->build(makePage(0, QStringLiteral("運賃データと放送用データ")));
}

void frmOption::bindPages()
{
    m_binding.setPathNotice([this](const QString &path) { noteChosenPath(path); });
    m_folderPage->bind(m_binding);
    m_panelPage->bind(m_binding);
    m_digitPage->bind(m_binding);
    m_stopNamePage->bind(m_binding);
    m_soundPage->bind(m_binding);
    m_ticketPage->bind(m_binding);
    m_binding.load();
    // The enabling rules start from the values shown.
    m_panelPage->startRules();
    m_digitPage->startRules();
    m_ticketPage->startRules();
}

void frmOption::showPage(int index)
{
    // The pages beneath are hidden as well as covered, so that Tab passes through the page
    // shown only.
    Frame1[index]->raise();
    for (int i = 0; i < static_cast<int>(Frame1.size()); ++i)
        Frame1[i]->setVisible(i == index);
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}

void frmOption::SetProp()
{
    settings::SetProp(m_options, m_host);
}

IniStatus frmOption::SetOptionInfo(const IniRecords &records)
{
    const IniStatus refused = m_options.SetOptionInfo(records);
    m_digitPage->recolourPreviewDigit();
    m_ticketPage->SetPlgin(m_options.ticketPluginFile());
    return refused;
}

bool frmOption::GetBtnColor(ColorButton *button)
{
    std::array<int32_t, CustomColorCount> custom;
    for (int i = 0; i < CustomColorCount; ++i)
        custom[i] = static_cast<int32_t>(m_options.records().customColors[i]);
    int32_t colour = static_cast<int32_t>(button->BackColor());
    const bool chosen = reslib::Kb3ChooseColor(this, colour, custom.data()) != 0;
    // The picker keeps its custom colours whether or not a colour was chosen.
    m_options.change([&custom](OptionRecords &r) {
        for (int i = 0; i < CustomColorCount; ++i)
            r.customColors[i] = static_cast<base::OleColor>(custom[i]);
    });
    if (chosen)
        button->setBackColor(static_cast<base::OleColor>(colour));
    return chosen;
}

QString frmOption::GetPathString()
{
    return reslib::Kb3FolderDlg(this, QStringLiteral("フォルダーを選択してください"));
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

} // namespace settings
