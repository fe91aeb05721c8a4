#include "731-tool/RenderCommand.h"

#include "731-tool/PanelRenderer.h"
#include "base/AtomicFile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
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
  --scale K             the panel enlarged K times (1 to 4), sharp, as the program's
                        right-click menu shows it
  --settings FILE.in4   a settings file, applied the way start-up applies it
  --out PANEL.png       where the picture goes

A whole run, for a video: --all-stops --out-dir DIR instead of --stop and --out writes
every stop from the starting stop to the last, as an operator steps through them:

  DIR/stop_001.png, stop_002.png, ...   each stop as it is first shown, numbered in the
                                        order of the run (001 is the starting stop)
  --scroll-fps F        also F frames a second (1 to 60) of every stop, the scrolling
                        name moving: DIR/frame_000001.png, frame_000002.png, ... one
                        counter through the whole run, F x SECONDS frames per stop
                        (frame k of a stop shows it k/F seconds after it was shown)
  --seconds-per-stop SECONDS   how long each stop is filmed (1 to 30, 5 when left out)

  ffmpeg -framerate 1 -i DIR/stop_%03d.png -pix_fmt yuv420p stops.mp4
  ffmpeg -framerate F -i DIR/frame_%06d.png -pix_fmt yuv420p run.mp4

DIR is made when missing; one that already holds stop_ or frame_ pictures is refused, so
that no picture of an earlier run ends up in the video.

A route the program would refuse prints the program's own message, quoted, after the file it
tried: FILE.hy3: the simulator refuses route R: "指定した系統のデータがありません...".
Exit status: 0 written, 1 a problem with the data or the pictures, 2 wrong usage.
)";

struct Parsed
{
    PanelScene scene;
    QString out;
    bool allStops = false;
    QString outDir;
    RunPictures run;
    bool runOptions = false; // --scroll-fps or --seconds-per-stop given
    bool singleOptions = false; // --stop or --scroll-ms given
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
        if (name == QStringLiteral("--all-stops")) {
            p.allStops = true;
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
            p.singleOptions = true;
            if (!readNumber(value, 1, 301, &p.scene.stop))
                return fail(QStringLiteral("--stop wants a number from 1 to 301, not '%1'").arg(value));
        } else if (name == QStringLiteral("--backlight")) {
            const QStringList states = {QStringLiteral("off"), QStringLiteral("on1"), QStringLiteral("on2")};
            p.scene.backlight = static_cast<int>(states.indexOf(value.toLower()));
            if (p.scene.backlight < 0)
                return fail(QStringLiteral("--backlight wants off, on1 or on2, not '%1'").arg(value));
        } else if (name == QStringLiteral("--scroll-ms")) {
            p.singleOptions = true;
            if (!readNumber(value, 0, 3600000, &p.scene.scrollMs))
                return fail(QStringLiteral("--scroll-ms wants milliseconds from 0 to 3600000, not '%1'").arg(value));
        } else if (name == QStringLiteral("--scale")) {
            if (!readNumber(value, 1, 4, &p.scene.scale))
                return fail(QStringLiteral("--scale wants 1, 2, 3 or 4, not '%1'").arg(value));
        } else if (name == QStringLiteral("--scroll-fps")) {
            p.runOptions = true;
            if (!readNumber(value, 1, 60, &p.run.scrollFps))
                return fail(QStringLiteral("--scroll-fps wants frames a second from 1 to 60, not '%1'").arg(value));
        } else if (name == QStringLiteral("--seconds-per-stop")) {
            p.runOptions = true;
            if (!readNumber(value, 1, 30, &p.run.secondsPerStop))
                return fail(QStringLiteral("--seconds-per-stop wants seconds from 1 to 30, not '%1'").arg(value));
        } else if (name == QStringLiteral("--out-dir")) {
            p.outDir = value;
        } else if (name == QStringLiteral("--settings")) {
            p.scene.settingsFile = value;
        } else if (name == QStringLiteral("--out")) {
            p.out = value;
        } else {
            return fail(QStringLiteral("unknown option '%1'").arg(name));
        }
    }
    if (p.allStops) {
        if (p.scene.route.isEmpty() || p.outDir.isEmpty())
            return fail(QStringLiteral("--route and --out-dir are required with --all-stops"));
        if (!p.out.isEmpty() || p.singleOptions)
            return fail(QStringLiteral("--all-stops writes every stop: give no --out, --stop or --scroll-ms"));
    } else {
        if (p.scene.route.isEmpty() || p.out.isEmpty())
            return fail(QStringLiteral("--route and --out are required"));
        if (!p.outDir.isEmpty() || p.runOptions)
            return fail(QStringLiteral("--out-dir, --scroll-fps and --seconds-per-stop go with --all-stops"));
    }
    if (p.scene.fareDir.isEmpty() && p.scene.settingsFile.isEmpty())
        return fail(QStringLiteral("--fare-dir is required without --settings"));
    return p;
}

// The setup's failure as the command reports it; ExitOk when there was none.
int reportFailure(const PanelRendering &rendering, const Parsed &parsed, ToolIo &io)
{
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
    return ExitOk;
}

// Encoded first and written in one step, so that a full disk never leaves half a picture where
// a good one was. The error message, or an empty string.
QString writePngBytes(const QByteArray &png, const QString &path)
{
    const base::AtomicFile::Result written = base::AtomicFile::write(path, png);
    return written.ok() ? QString() : QStringLiteral("%1: cannot be written: %2").arg(path, written.reason);
}

QByteArray encodePng(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return png;
}

QString writePng(const QImage &image, const QString &path)
{
    const QByteArray png = encodePng(image);
    if (png.isEmpty())
        return QStringLiteral("%1: the picture cannot be encoded").arg(path);
    return writePngBytes(png, path);
}

const QStringList RunPictureNames = {QStringLiteral("stop_*.png"), QStringLiteral("frame_*.png")};

int renderRun(const Parsed &parsed, ToolIo &io)
{
    const QDir dir(parsed.outDir);
    if (!QDir().mkpath(parsed.outDir)) {
        io.error(QStringLiteral("%1: cannot be made").arg(parsed.outDir));
        return ExitBadInput;
    }
    const QStringList earlier = dir.entryList(RunPictureNames, QDir::Files, QDir::Name);
    if (!earlier.isEmpty()) {
        io.error(QStringLiteral("%1: already holds pictures of a run (%2); give an empty folder")
                     .arg(parsed.outDir, earlier.first()));
        return ExitBadInput;
    }
    int stops = 0;
    int frames = 0;
    // A name that stands still gives the same picture frame after frame: encoded once.
    QImage lastImage;
    QByteArray lastPng;
    const auto take = [&](const RunPicture &picture) -> QString {
        if (picture.image != lastImage) {
            lastImage = picture.image;
            lastPng = encodePng(picture.image);
        }
        if (lastPng.isEmpty())
            return QStringLiteral("%1: a picture cannot be encoded").arg(parsed.outDir);
        if (picture.frame == 0) {
            const QString stopFile = dir.filePath(QStringLiteral("stop_%1.png").arg(picture.stopOrdinal, 3, 10, QLatin1Char('0')));
            if (const QString error = writePngBytes(lastPng, stopFile); !error.isEmpty())
                return error;
            ++stops;
        }
        if (parsed.run.scrollFps > 0) {
            const QString frameFile = dir.filePath(QStringLiteral("frame_%1.png").arg(frames + 1, 6, 10, QLatin1Char('0')));
            if (const QString error = writePngBytes(lastPng, frameFile); !error.isEmpty())
                return error;
            ++frames;
        }
        return QString();
    };
    const PanelRendering rendering = RenderRun(parsed.scene, parsed.run, take);
    if (const int failed = reportFailure(rendering, parsed, io))
        return failed;
    QString written = QStringLiteral("%1: %2").arg(parsed.outDir, Plural(stops, QStringLiteral("stop picture")));
    if (parsed.run.scrollFps > 0)
        written += QStringLiteral(", %1 (%2 a stop at %3 a second)")
                       .arg(Plural(frames, QStringLiteral("frame")))
                       .arg(parsed.run.scrollFps * parsed.run.secondsPerStop)
                       .arg(parsed.run.scrollFps);
    io.println(written);
    return ExitOk;
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

    if (parsed.allStops)
        return renderRun(parsed, io);
    const PanelRendering rendering = RenderPanel(parsed.scene);
    if (const int failed = reportFailure(rendering, parsed, io))
        return failed;
    const QString error = writePng(rendering.image, parsed.out);
    if (!error.isEmpty()) {
        io.error(error);
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace

void AddRenderCommand(CommandTable &table)
{
    ToolCommand command;
    command.words = {QStringLiteral("render")};
    command.operands = QStringLiteral("--fare-dir DIR --route R [options] (--out PANEL.png | --all-stops --out-dir DIR)");
    command.summary = QStringLiteral("draw the panel at a stop of a route, or at every stop, into PNG pictures");
    command.help = QString::fromUtf8(RenderHelp);
    command.operandCount = ReadsOwnOptions;
    const QString usage = command.usage();
    command.run = [usage](const QStringList &args, ToolIo &io) { return render(args, io, usage); };
    table.add(command);
}

} // namespace tool
