#include "731-tool/RenderCommand.h"

#include "731-tool/PanelRenderer.h"
#include "base/AtomicFile.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace tool {
namespace {

const char *RenderHelp =
    R"(Draws the simulator's panel window, 642 x 314 pixels, as the program shows it after
route R was set at section S and stepped to stop N, and writes it to PANEL.png. It runs the
program's own code headless, without the three-second lamp test and without sound.

  --fare-dir DIR        folder of the fare data files (*.hy3); required unless the
                        settings file names it
  --route R             route number, up to five digits                 (required)
  --section S           starting section, 1 when left out
  --stop N              stop to step to, the starting stop when left out
  --late-night          late-night fares
  --backlight STATE     off, on1 or on2 (off when left out)
  --scroll-ms T         for a scrolling stop name, the picture after T ms of scrolling
  --settings FILE.in4   a settings file, applied the way start-up applies it
  --out PANEL.png       where the picture goes                          (required)

A route the program would refuse prints the program's own message, quoted, after the file it
tried: FILE.hy3: the simulator refuses route R: "指定した系統のデータがありません...".
Exit status: 0 written, 1 a problem with the data or the picture, 2 wrong usage.
)";

struct Parsed
{
    PanelScene scene;
    QString out;
    QString error;
};

bool readNumber(const QString &text, int min, int max, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

Parsed parse(const QStringList &args)
{
    Parsed p;
    auto fail = [&p](const QString &why) {
        p.error = why;
        return p;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &name = args[i];
        if (name == QStringLiteral("--late-night")) {
            p.scene.lateNight = true;
            continue;
        }
        if (i + 1 >= args.size())
            return fail(QStringLiteral("'%1' wants a value").arg(name));
        const QString value = args[++i];
        if (name == QStringLiteral("--fare-dir")) {
            p.scene.fareDir = value;
        } else if (name == QStringLiteral("--route")) {
            if (value.isEmpty() || value.size() > 5 || value.contains(QRegularExpression(QStringLiteral("\\D"))))
                return fail(QStringLiteral("--route wants up to five digits, not '%1'").arg(value));
            p.scene.route = value;
        } else if (name == QStringLiteral("--section")) {
            if (!readNumber(value, 0, 999, &p.scene.section))
                return fail(QStringLiteral("--section wants a number from 0 to 999, not '%1'").arg(value));
        } else if (name == QStringLiteral("--stop")) {
            if (!readNumber(value, 1, 301, &p.scene.stop))
                return fail(QStringLiteral("--stop wants a number from 1 to 301, not '%1'").arg(value));
        } else if (name == QStringLiteral("--backlight")) {
            const QStringList states = {QStringLiteral("off"), QStringLiteral("on1"), QStringLiteral("on2")};
            p.scene.backlight = static_cast<int>(states.indexOf(value.toLower()));
            if (p.scene.backlight < 0)
                return fail(QStringLiteral("--backlight wants off, on1 or on2, not '%1'").arg(value));
        } else if (name == QStringLiteral("--scroll-ms")) {
            if (!readNumber(value, 0, 3600000, &p.scene.scrollMs))
                return fail(QStringLiteral("--scroll-ms wants milliseconds from 0 to 3600000, not '%1'").arg(value));
        } else if (name == QStringLiteral("--settings")) {
            p.scene.settingsFile = value;
        } else if (name == QStringLiteral("--out")) {
            p.out = value;
        } else {
            return fail(QStringLiteral("unknown option '%1'").arg(name));
        }
    }
    if (p.scene.route.isEmpty() || p.out.isEmpty())
        return fail(QStringLiteral("--route and --out are required"));
    if (p.scene.fareDir.isEmpty() && p.scene.settingsFile.isEmpty())
        return fail(QStringLiteral("--fare-dir is required without --settings"));
    return p;
}

int render(const QStringList &args, ToolIo &io, const QString &usage)
{
    const Parsed parsed = parse(args);
    if (!parsed.error.isEmpty()) {
        io.error(QStringLiteral("render: ") + parsed.error);
        io.error(usage);
        return ExitUsage;
    }
    if (!parsed.scene.fareDir.isEmpty() && !QFileInfo(parsed.scene.fareDir).isDir()) {
        io.error(QStringLiteral("%1: no such folder").arg(parsed.scene.fareDir));
        return ExitBadInput;
    }

    // The panel is drawn without a screen; what the headless platform says about windows it
    // cannot raise or shape is of no interest here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    std::unique_ptr<QApplication> ownApplication;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "731-tool";
        static char *argv[] = {name, nullptr};
        ownApplication = std::make_unique<QApplication>(argc, argv);
    }

    const PanelRendering rendering = RenderPanel(parsed.scene);
    if (rendering.refused) {
        // The program's message as it is, line breaks and all, after the file it was about.
        QString message = rendering.error;
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QString what = rendering.file == parsed.scene.settingsFile
                                 ? QStringLiteral("the simulator refuses it")
                                 : QStringLiteral("the simulator refuses route %1").arg(parsed.scene.route);
        io.error(QStringLiteral("%1: %2: \"%3\"").arg(rendering.file, what, message));
        return ExitBadInput;
    }
    if (!rendering.error.isEmpty()) {
        io.error(rendering.error);
        return ExitBadInput;
    }
    // Encoded first and written in one step, so that a full disk never leaves half a picture
    // where a good one was.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !rendering.image.save(&buffer, "PNG")) {
        io.error(QStringLiteral("%1: the picture cannot be encoded").arg(parsed.out));
        return ExitBadInput;
    }
    const base::AtomicFile::Result written = base::AtomicFile::write(parsed.out, png);
    if (!written.ok()) {
        io.error(QStringLiteral("%1: cannot be written: %2").arg(parsed.out, written.reason));
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace

void AddRenderCommand(CommandTable &table)
{
    ToolCommand command;
    command.words = {QStringLiteral("render")};
    command.operands = QStringLiteral("--fare-dir DIR --route R [options] --out PANEL.png");
    command.summary = QStringLiteral("draw the panel at a stop of a route into a PNG picture");
    command.help = QString::fromUtf8(RenderHelp);
    command.operandCount = ReadsOwnOptions;
    const QString usage = command.usage();
    command.run = [usage](const QStringList &args, ToolIo &io) { return render(args, io, usage); };
    table.add(command);
}

} // namespace tool
