#include "ToolRun.h"
#include "../plugins/PluginFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <elf.h>

using namespace tooltest;

// Every way a file can fail to be a plug-in is named, as the loader of the program finds it.
TEST(PluginCheck, SaysExactlyWhatIsWrong)
{
    QTemporaryDir dir;
    const QByteArray full = fileBytes(testPlugin("full"));
    QByteArray arm = full;
    arm[18] = char(EM_AARCH64 & 0xFF), arm[19] = char(EM_AARCH64 >> 8); // e_machine
    QByteArray narrow = full;
    narrow[EI_CLASS] = ELFCLASS32;

    const struct
    {
        QString file;
        QString expected;
    } cases[] = {
        {testPlugin("nodraw"), QStringLiteral("it does not export the entry point Seiriken_Draw")},
        {testPlugin("notaplugin"), QStringLiteral("it does not export the entry points Seiriken_InterfaceVersion, "
                                                  "Seiriken_GetPlgInfo, Seiriken_GetComment, Seiriken_GetCorpNames, Seiriken_Draw")},
        {writeFile(dir.filePath(QStringLiteral("text.4SP")), "just text"), QStringLiteral("not a shared library")},
        {writeFile(dir.filePath(QStringLiteral("arm.4SP")), arm), QStringLiteral("built for AArch64 (64-bit ARM); this program runs on")},
        {writeFile(dir.filePath(QStringLiteral("narrow.4SP")), narrow), QStringLiteral("a 32-bit library; this program loads 64-bit plug-ins")},
        {writeFile(dir.filePath(QStringLiteral("cut.4SP")), full.left(100)), QStringLiteral("damaged or cut short")},
        {testPlugin("oldversion"), QStringLiteral("Seiriken_InterfaceVersion returns 0; this program takes plug-ins of interface version 1")},
        {testPlugin("refuses"), QStringLiteral("Seiriken_GetPlgInfo returns 0: the plug-in refuses")},
        {dir.filePath(QStringLiteral("none.4SP")), QStringLiteral("no such file")},
    };
    for (const auto &c : cases) {
        const ToolRun run = RunTool({QStringLiteral("plugin"), QStringLiteral("check"), c.file});
        EXPECT_EQ(run.status, 1) << c.file.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(c.file + QStringLiteral(": the simulator refuses it: ") + c.expected))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1);
    }
}

TEST(PluginCheck, PrintsWhatAPluginReports)
{
    const ToolRun run = RunTool({QStringLiteral("plugin"), QStringLiteral("check"), testPlugin("full")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(testPlugin("full") + QStringLiteral(": a ticket plug-in of interface version 1\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("  PrevWidth            3000  preview width, twips\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("  StopTo                 99  last stop number recognised\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("(preview 200 x 100 pixels)")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("remarks:\n  試験用プラグイン\n  １行目\n  ２行目\n")));
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("company names:\n  東西バス\n  南北交通\n")));
}
