#include "settings/FolderPage.h"

#include "settings/OptionBinding.h"
#include "settings/OptionWidgets.h"
#include "settings/frmOption.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace settings {

void FolderPage::build(QGroupBox *page)
{
    const QString captions[2] = {QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                                 QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const QString explorer[2] = {QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                                 QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    const QString spoken[2] = {QStringLiteral("運賃データのフォルダー"), QStringLiteral("放送用データのフォルダー")};
    for (int i = 0; i < 2; ++i) {
        const int y = 30 + i * 100;
        QLabel *caption = make::label(page, captions[i], QRect(16, y, 470, 18));
        Text2[i] = make::textBox(page, QStringLiteral("Text2_%1").arg(i), QRect(16, y + 20, 430, 22));
        Command3[i] = make::button(page, QStringLiteral("..."), QStringLiteral("Command3_%1").arg(i), QRect(452, y + 20, 40, 22));
        nameControl(Text2[i], spoken[i], caption);
        nameControl(Command3[i], spoken[i] + QStringLiteral("を選ぶ"));
        Command10[i] = make::button(page, explorer[i], QStringLiteral("Command10_%1").arg(i), QRect(16, y + 48, 300, 24));
        QObject::connect(Command3[i], &QPushButton::clicked, page, [this, i] { Command3_Click(i); });
        QObject::connect(Command10[i], &QPushButton::clicked, page, [this, i] { Command10_Click(i); });
    }
}

void FolderPage::bind(OptionBinding &binding)
{
    binding.text(Text2[0], [](auto &r) -> auto & { return r.folder.FareDataDir; });
    binding.text(Text2[1], [](auto &r) -> auto & { return r.folder.TpDataDir; });
}

void FolderPage::Command3_Click(int index)
{
    const QString folder = m_window.GetPathString();
    if (!folder.isEmpty()) {
        Text2[index]->setText(folder);
        m_window.noteChosenPath(folder);
    }
}

void FolderPage::Command10_Click(int index)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(Text2[index]->text()));
}

} // namespace settings
