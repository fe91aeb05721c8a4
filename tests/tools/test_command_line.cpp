// The real program: exit status and the help of every command.
#include "ToolRun.h"
#include "base/AtomicFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

Result RunProgram(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TOOL731_PATH), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(ToolCommandLine, HelpForEveryCommand)
{
    const Result top = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(top.status, 0);
    for (const QString &command :
         {QStringLiteral("hy3 dump"), QStringLiteral("hy3 build"), QStringLiteral("tp dump"), QStringLiteral("tp build"),
          QStringLiteral("check"), QStringLiteral("plugin check"), QStringLiteral("render"), QStringLiteral("settings dump")}) {
        EXPECT_TRUE(top.out.contains(QStringLiteral("731-tool ") + command))
            << command.toStdString();
        const Result help = RunProgram(command.split(u' ') + QStringList{QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0) << command.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: 731-tool ") + command))
            << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(QStringLiteral("Exit status"))) << command.toStdString();
    }
    const Result group = RunProgram({QStringLiteral("hy3"), QStringLiteral("--help")});
    EXPECT_EQ(RunProgram({QStringLiteral("render"), QStringLiteral("--route"), QStringLiteral("1")}).status, 2);
    EXPECT_EQ(group.status, 0);
    EXPECT_TRUE(group.out.contains(QStringLiteral("731-tool hy3 build")));
}

TEST(ToolCommandLine, ExitStatusTellsUsageFromInputProblems)
{
    EXPECT_EQ(RunProgram({}).status, 2);
    EXPECT_EQ(RunProgram({QStringLiteral("render")}).status, 2);
    EXPECT_EQ(RunProgram({QStringLiteral("hy3")}).status, 2);
    EXPECT_EQ(RunProgram({QStringLiteral("hy3"), QStringLiteral("dump")}).status, 2);
    EXPECT_EQ(RunProgram({QStringLiteral("hy3"), QStringLiteral("dump"), QStringLiteral("a"),
                          QStringLiteral("b")})
                  .status,
              2);
    EXPECT_EQ(
        RunProgram({QStringLiteral("check"), QStringLiteral("--verbose"), QStringLiteral(".")})
            .status,
        2);

    QTemporaryDir dir;
    const Result missing = RunProgram(
        {QStringLiteral("hy3"), QStringLiteral("dump"), dir.filePath(QStringLiteral("5.hy3"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("5.hy3: cannot be read")));

    const Result dump = RunProgram({QStringLiteral("hy3"), QStringLiteral("dump"),
                                    tooltest::DemoFile(QStringLiteral("2.hy3"))});
    EXPECT_EQ(dump.status, 0);
    EXPECT_TRUE(dump.out.contains(QStringLiteral("\nフェリーターミナル,6,")));

    const QString png = dir.filePath(QStringLiteral("panel.png"));
    const Result render = RunProgram({QStringLiteral("render"), QStringLiteral("--fare-dir"), tooltest::DemoFile(QString()),
                                      QStringLiteral("--route"), QStringLiteral("2"), QStringLiteral("--out"), png});
    EXPECT_EQ(render.status, 0) << render.err.toStdString();
    EXPECT_TRUE(QFile::exists(png));
    const Result refused = RunProgram({QStringLiteral("render"), QStringLiteral("--fare-dir"), tooltest::DemoFile(QString()),
                                       QStringLiteral("--route"), QStringLiteral("2"), QStringLiteral("--section"),
                                       QStringLiteral("9"), QStringLiteral("--out"), png});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, tooltest::DemoFile(QStringLiteral("2.hy3"))
                               + QStringLiteral(": the simulator refuses route 2: \"指定した区間はデータの数よりも多いです...\n"
                                                "  解決法：正しい区間を入力して下さい.\"\n"));

    const Result settings = RunProgram({QStringLiteral("settings"), QStringLiteral("dump"), dir.filePath(QStringLiteral("no.in4"))});
    EXPECT_EQ(settings.status, 1);
}

TEST(ToolCommandLine, SettingsDumpPrintsEveryRecord)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("731.in4"));
    QByteArray bytes(428, '\0');
    bytes[4] = 1; // UseSeiriNum
    ASSERT_TRUE(tooltest::WriteAll(file, bytes));
    const Result dump = RunProgram({QStringLiteral("settings"), QStringLiteral("dump"), file});
    EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
    for (const char *key : {"FolderInfo", "FareDataDir", "PanelInfo", "SeiriNumColor", "ChimeiTsugiwaBold", "SndPreFile3",
                            "FixedDate", "CtlTop", "PanelLeft", "CustomColors", "DegitCells"})
        EXPECT_TRUE(dump.out.contains(QString::fromLatin1(key))) << key;
}

// The real program on a real full file system: a small tmpfs of its own, mounted in a user and
// mount namespace of its own. Where the machine allows no such namespace there is nothing to
// run it on.
TEST(ToolCommandLine, BuildOntoAFullFileSystemSaysSoAndKeepsTheOldFile)
{
    QProcess probe;
    probe.start(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")});
    if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        GTEST_SKIP() << "no user and mount namespace for a small file system";

    QTemporaryDir dir;
    auto route = [](int stops) {
        QByteArray csv = "name,ticket,f1\n";
        for (int g = 1; g <= stops; ++g)
            csv += QStringLiteral("停留所%1,%1,%1\n").arg(g).toUtf8();
        return csv;
    };
    const QByteArray small = route(3);
    const QByteArray big = route(301); // about 95 KB of fare data
    ASSERT_TRUE(tooltest::WriteAll(dir.filePath(QStringLiteral("small.csv")), small));
    ASSERT_TRUE(tooltest::WriteAll(dir.filePath(QStringLiteral("big.csv")), big));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("full")));

    const char *script = R"(
mount -t tmpfs -o size=32k tmpfs "$1/full" || exit 90
"$2" hy3 build "$1/small.csv" "$1/full/out.hy3" || exit 91
cp "$1/full/out.hy3" "$1/old.hy3"
"$2" hy3 build "$1/big.csv" "$1/full/out.hy3"
status=$?
cmp -s "$1/full/out.hy3" "$1/old.hy3" || exit 92
ls -A "$1/full" > "$1/left.txt"
exit $status
)";
    QProcess p;
    p.start(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                                        QString::fromLatin1(script), QStringLiteral("sh"), dir.path(),
                                        QStringLiteral(TOOL731_PATH)});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    ASSERT_EQ(p.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("out.hy3: cannot be written: ") + base::AtomicFile::reasonFor(ENOSPC)))
        << err.toStdString();
    EXPECT_EQ(tooltest::ReadAll(dir.filePath(QStringLiteral("left.txt"))), QByteArray("out.hy3\n"));
}
