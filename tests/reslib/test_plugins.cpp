#include "../plugins/PluginFiles.h"
#include "base/Cp932.h"
#include "reslib/ElfImage.h"
#include "reslib/KBP4Res.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <vector>

using namespace reslib;
using base::Cp932;

namespace {

// The gateway takes a plug-in by its real file name.
const QString &name(const QString &path)
{
    return path;
}

PlgInfo infoOf(const QString &path, int32_t *result = nullptr)
{
    PlgInfo info;
    const int32_t r = KB4_GetPlgInfo(name(path), info);
    if (result)
        *result = r;
    return info;
}

std::vector<int32_t> fields(const PlgInfo &i)
{
    return {i.InfoHead,   i.PrevWidth,    i.PrevHeight, i.CanDate,     i.CanTime,  i.CanRouteNo, i.CanStopName,
            i.CanBarcode, i.BarcodeCount, i.MaxRouteNo, i.BarcodeMode, i.StopFrom, i.StopTo,     i.CorpCount};
}

int32_t drawInto(const QString &plugin, QImage &canvas, const QByteArray &stop = "stop", int32_t corp = -1)
{
    return KB4_DrawSeiriken(name(plugin), canvas, stop, "12-07-2026", "09:30:00", 12, 3, 4, corp);
}

// Where the last loaded segment of a library ends in its file; what follows (symbols for the
// debugger, section tables) the loader never reads.
qsizetype loadableEnd(const QByteArray &library)
{
    Elf64_Ehdr eh;
    std::memcpy(&eh, library.constData(), sizeof eh);
    qsizetype end = 0;
    for (int i = 0; i < eh.e_phnum; ++i) {
        Elf64_Phdr ph;
        std::memcpy(&ph, library.constData() + eh.e_phoff + i * sizeof ph, sizeof ph);
        if (ph.p_type == PT_LOAD)
            end = qMax(end, qsizetype(ph.p_offset + ph.p_filesz));
    }
    return end;
}

} // namespace

class PluginGateway : public ::testing::Test
{
protected:
    QString temp(const char *file) const { return dir.filePath(QString::fromLatin1(file)); }
    QTemporaryDir dir;
};

TEST_F(PluginGateway, ReportsTheFourteenFieldsAsThePluginFillsThem)
{
    int32_t result = 0;
    EXPECT_EQ(fields(infoOf(testPlugin("full"), &result)),
              (std::vector<int32_t>{0, 3000, 1500, 1, 1, 1, 1, 1, 2, 500, 1, 1, 99, 2}));
    EXPECT_NE(result, 0);
    // Values outside the flags' 0 and 1, and negative ones, come through untouched.
    EXPECT_EQ(fields(infoOf(testPlugin("oddvalues"))),
              (std::vector<int32_t>{7, 2250, 1200, 2, -1, 1, 1, 1, -2, -1, 2, -3, 0, 5}));
}

TEST_F(PluginGateway, RefusesWhatIsNotAPluginAndLeavesTheRecordAlone)
{
    const QByteArray sample = fileBytes(samplePlugin());
    ASSERT_GT(sample.size(), 4096);
    const QString text = writeFile(temp("text.4SP"), "This is not a plug-in.\r\n");
    const QString empty = writeFile(temp("empty.4SP"), QByteArray());
    const QString half = writeFile(temp("half.4SP"), sample.left(loadableEnd(sample) / 2));
    const QString headerOnly = writeFile(temp("header.4SP"), sample.left(64));
    const QString fifo = temp("fifo.4SP");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkdir(QStringLiteral("folder.4SP"));

    const QString refused[] = {QString(),          temp("missing.4SP"),          text,          empty, half, headerOnly,
                               fifo,               temp("folder.4SP"),           testPlugin("notaplugin"),
                               testPlugin("oldversion"), testPlugin("refuses")};
    for (const QString &file : refused) {
        int32_t result = -1;
        const PlgInfo info = infoOf(file, &result);
        EXPECT_EQ(result, 0) << file.toStdString();
        EXPECT_EQ(fields(info), std::vector<int32_t>(14, 0)) << file.toStdString();
    }
}

TEST_F(PluginGateway, ALibraryCutAnywhereIsRefusedOrLoadsWhole)
{
    const QByteArray sample = fileBytes(samplePlugin());
    const PlgInfo whole = infoOf(samplePlugin());
    const qsizetype loadable = loadableEnd(sample);
    ASSERT_GT(loadable, 0);
    int loaded = 0;
    for (int part = 1; part <= 80; ++part) {
        const QString file = temp("cut%1.4SP").replace(QStringLiteral("%1"), QString::number(part));
        writeFile(file, sample.left(qMin(sample.size(), loadable * part / 64)));
        int32_t result = 0;
        const PlgInfo info = infoOf(file, &result);
        // Only the section tables at the end are not needed to load a library.
        if (result != 0) {
            EXPECT_EQ(fields(info), fields(whole)) << part;
            ++loaded;
        }
        // A cut into the loaded segments is always refused.
        if (part < 64) {
            EXPECT_EQ(result, 0) << part;
        }
    }
    EXPECT_EQ(loaded, 80 - 64 + 1);
}

TEST_F(PluginGateway, ElfChecksRefuseDamagedHeaders)
{
    const QByteArray sample = fileBytes(samplePlugin());
    EXPECT_TRUE(ElfImage::isLoadableLibrary(sample));
    EXPECT_FALSE(ElfImage::isLoadableLibrary(QByteArray()));
    EXPECT_FALSE(ElfImage::isLoadableLibrary("\x7f" "ELF"));
    EXPECT_FALSE(ElfImage::isLoadableLibrary(QByteArray(4096, 'x')));

    auto patched = [&](int offset, QByteArray bytes) {
        QByteArray copy = sample;
        copy.replace(offset, bytes.size(), bytes);
        return ElfImage::isLoadableLibrary(copy);
    };
    EXPECT_FALSE(patched(4, QByteArray(1, '\x01')));          // 32-bit class
    EXPECT_FALSE(patched(16, QByteArray("\x02\x00", 2)));      // an executable, not a library
    EXPECT_FALSE(patched(18, QByteArray("\x28\x00", 2)));      // another machine
    EXPECT_FALSE(patched(32, QByteArray(8, '\xff')));          // program headers beyond the file
    EXPECT_FALSE(patched(56, QByteArray("\xff\xff", 2)));      // an absurd number of them
}

TEST_F(PluginGateway, NoticesAChangedFile)
{
    const QString file = temp("changing.4SP");
    QFile::copy(testPlugin("full"), file);
    EXPECT_EQ(infoOf(file).CorpCount, 2);

    // Replaced by another library (a new file under the old name).
    QFile::copy(testPlugin("nobarcode"), temp("next.4SP"));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::rename(temp("next.4SP"), file));
    EXPECT_EQ(infoOf(file).CorpCount, 0);
    EXPECT_EQ(infoOf(file).StopTo, 9);

    // Rewritten in place, later.
    writeFile(file, fileBytes(testPlugin("oddvalues")));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_EQ(infoOf(file).CorpCount, 5);

    // Overwritten with text, then a plug-in again.
    writeFile(file, "no longer a library");
    int32_t result = -1;
    infoOf(file, &result);
    EXPECT_EQ(result, 0);
    QFile::remove(file);
    QFile::copy(testPlugin("full"), file);
    EXPECT_EQ(infoOf(file).CorpCount, 2);
}

TEST_F(PluginGateway, CommentReplacesTheEditText)
{
    QPlainTextEdit edit;
    edit.setPlainText(QStringLiteral("earlier"));
    EXPECT_NE(KB4_SetPlgComment(name(testPlugin("full")), &edit), 0);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("試験用プラグイン\n１行目\n２行目"));

    QLineEdit line;
    KB4_SetPlgComment(name(testPlugin("full")), &line);
    EXPECT_EQ(line.text(), QStringLiteral("試験用プラグイン １行目 ２行目"));

    QPlainTextEdit untouched;
    untouched.setPlainText(QStringLiteral("kept"));
    EXPECT_EQ(KB4_SetPlgComment(name(testPlugin("notaplugin")), &untouched), 0);
    EXPECT_EQ(untouched.toPlainText(), QStringLiteral("kept"));
}

TEST_F(PluginGateway, CompanyNamesAreAddedWithoutChoosingOne)
{
    QComboBox empty;
    KB4_SetCorpAddList(name(testPlugin("full")), &empty);
    ASSERT_EQ(empty.count(), 2);
    EXPECT_EQ(empty.itemText(0), QStringLiteral("東西バス"));
    EXPECT_EQ(empty.itemText(1), QStringLiteral("南北交通"));
    EXPECT_EQ(empty.currentIndex(), -1);

    QComboBox chosen;
    chosen.addItem(QStringLiteral("既存"));
    chosen.setCurrentIndex(0);
    KB4_SetCorpAddList(name(testPlugin("full")), &chosen);
    EXPECT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen.currentIndex(), 0);

    QLineEdit notACombo;
    EXPECT_EQ(KB4_SetCorpAddList(name(testPlugin("full")), &notACombo), 0);
}

TEST_F(PluginGateway, DrawHandsOverTheArgumentsAndTheBytesUnchanged)
{
    DrawLog log;
    QImage canvas(30, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QByteArray stop = Cp932::fromUnicode(QStringLiteral("市役所前～ｽｸﾛｰﾙ"));
    const QByteArray before = stop;
    EXPECT_NE(KB4_DrawSeiriken(name(testPlugin("full")), canvas, stop, "12-07-2026", "23:59:01", 70000, -1, 301, 1), 0);
    EXPECT_EQ(stop, before);
    ASSERT_EQ(log.calls().size(), 1);
    EXPECT_EQ(log.calls()[0], (QByteArrayList{before, "12-07-2026", "23:59:01", "70000", "-1", "301", "1", "30x20"}));
    EXPECT_EQ(canvas.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(canvas.pixel(29, 19), 0xFF00FF00u);
}

TEST_F(PluginGateway, DrawConvertsOtherFormatsAndIgnoresAlpha)
{
    QImage rgb(10, 10, QImage::Format_RGB888);
    rgb.fill(Qt::white);
    drawInto(testPlugin("plain"), rgb);
    EXPECT_EQ(rgb.pixel(5, 5), qRgb(0, 0, 255));

    // The picture is opaque whatever the plug-in writes in the top byte.
    QImage argb(4, 4, QImage::Format_ARGB32);
    argb.fill(Qt::transparent);
    drawInto(testPlugin("full"), argb);
    EXPECT_EQ(qAlpha(argb.pixel(1, 1)), 255);

    QImage null;
    EXPECT_EQ(drawInto(testPlugin("full"), null), 0);
    QImage untouched(4, 4, QImage::Format_RGB32);
    untouched.fill(Qt::white);
    EXPECT_EQ(drawInto(QString(), untouched), 0);
    EXPECT_EQ(untouched.pixel(0, 0), qRgb(255, 255, 255));
}

class SamplePlugin : public PluginGateway
{
};

TEST_F(SamplePlugin, ReportsWhatItPrints)
{
    int32_t result = 0;
    EXPECT_EQ(fields(infoOf(samplePlugin(), &result)),
              (std::vector<int32_t>{0, 3300, 2130, 1, 1, 1, 1, 1, 1, 9999, 1, 1, 999, 2}));
    EXPECT_NE(result, 0);

    QPlainTextEdit comment;
    KB4_SetPlgComment(name(samplePlugin()), &comment);
    EXPECT_TRUE(comment.toPlainText().startsWith(QStringLiteral("ハルネ標準整理券（サンプル）\n")));
    EXPECT_TRUE(comment.toPlainText().contains(QStringLiteral("Interleaved 2 of 5")));
    EXPECT_TRUE(comment.toPlainText().contains(QStringLiteral("1～9999")));

    QComboBox companies;
    KB4_SetCorpAddList(name(samplePlugin()), &companies);
    ASSERT_EQ(companies.count(), 2);
    EXPECT_EQ(companies.itemText(0), QStringLiteral("ハルネ交通"));
    EXPECT_EQ(companies.itemText(1), QStringLiteral("ハルネ観光バス"));
}

namespace {

// A canvas inside a larger buffer: guard rows above and below, and guard pixels at the end of
// every row. Everything outside the canvas starts as the guard pattern.
struct GuardedCanvas
{
    static constexpr uint32_t Guard = 0xA5A5A5A5u;
    static constexpr int GuardRows = 3;
    static constexpr int GuardColumns = 7;

    GuardedCanvas(int width, int height)
        : width(width), height(height), stride(width + GuardColumns),
          buffer(size_t(stride) * size_t(height + 2 * GuardRows), Guard),
          image(reinterpret_cast<uchar *>(buffer.data() + size_t(stride) * GuardRows), width, height,
                stride * 4, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
    }

    bool guardsIntact() const
    {
        for (int row = 0; row < height + 2 * GuardRows; ++row) {
            for (int x = 0; x < stride; ++x) {
                const bool inside = row >= GuardRows && row < GuardRows + height && x < width;
                if (!inside && buffer[size_t(row) * stride + x] != Guard)
                    return false;
            }
        }
        return true;
    }

    int inkedPixels(QRect area) const
    {
        int count = 0;
        area &= image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        return count;
    }

    int width;
    int height;
    int stride;
    std::vector<uint32_t> buffer;
    QImage image;
};

} // namespace

TEST_F(SamplePlugin, DrawsATicketInsideItsCanvasOnly)
{
    GuardedCanvas canvas(218, 140);
    ASSERT_EQ(canvas.image.bits(), reinterpret_cast<uchar *>(canvas.buffer.data() + canvas.stride * 3));
    const QByteArray stop = Cp932::fromUnicode(QStringLiteral("市役所前"));
    EXPECT_NE(KB4_DrawSeiriken(name(samplePlugin()), canvas.image, stop, "12-07-2026", "09:30:00", 123, 12, 7, 1), 0);
    EXPECT_TRUE(canvas.guardsIntact());
    // Paper, not the white it was given.
    EXPECT_NE(canvas.image.pixel(canvas.width / 2, canvas.height / 3), qRgb(255, 255, 255));
    // The big number on the left, text on the right, bars along the bottom.
    EXPECT_GT(canvas.inkedPixels(QRect(0, 30, 80, 70)), 100);
    EXPECT_GT(canvas.inkedPixels(QRect(90, 30, 128, 70)), 100);
    EXPECT_GT(canvas.inkedPixels(QRect(0, 105, 218, 25)), 300);
}

TEST_F(SamplePlugin, KeepsToCanvasesOfAnySize)
{
    const QSize sizes[] = {{1, 1}, {3, 200}, {200, 3}, {17, 11}, {60, 40}, {640, 400}};
    for (const QSize &size : sizes) {
        GuardedCanvas canvas(size.width(), size.height());
        KB4_DrawSeiriken(name(samplePlugin()), canvas.image, "a very long stop name that never fits", "", "", 99999,
                         32767, -5, 77);
        EXPECT_TRUE(canvas.guardsIntact()) << size.width() << "x" << size.height();
    }
}

TEST_F(SamplePlugin, LeavesOutTheBarcodeForValuesItCannotHold)
{
    GuardedCanvas with(218, 140);
    GuardedCanvas without(218, 140);
    KB4_DrawSeiriken(name(samplePlugin()), with.image, "x", "", "", 9999, 99, 999, 0);
    KB4_DrawSeiriken(name(samplePlugin()), without.image, "x", "", "", 10000, 99, 999, 0);
    const QRect bars(0, 105, 218, 25);
    EXPECT_GT(with.inkedPixels(bars), 300);
    EXPECT_LT(without.inkedPixels(bars), with.inkedPixels(bars) / 3);
}

TEST_F(PluginGateway, ALibraryThatIsNoPluginNeverHasItsConstructorRun)
{
    const QString mark = temp("constructor.log");
    ::setenv("NOTAPLUGIN_CONSTRUCTOR_LOG", QFile::encodeName(mark).constData(), 1);
    int32_t result = -1;
    infoOf(testPlugin("notaplugin"), &result);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(QFile::exists(mark));

    // The constructor does run whenever the library is loaded, so the check above means something.
    void *handle = ::dlopen(QFile::encodeName(testPlugin("notaplugin")).constData(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(QFile::exists(mark));
    ::unsetenv("NOTAPLUGIN_CONSTRUCTOR_LOG");
}

TEST_F(PluginGateway, TheDynamicSymbolTableNamesTheMissingEntryPoint)
{
    const QByteArrayList entryPoints = {"Seiriken_InterfaceVersion", "Seiriken_GetPlgInfo", "Seiriken_GetComment",
                                        "Seiriken_GetCorpNames", "Seiriken_Draw"};
    // Both kinds of hash table the linker writes lead to the same symbols.
    for (const char *plugin : {"full", "sysvhash"}) {
        const auto defined = ElfImage::definedFunctions(fileBytes(testPlugin(plugin)));
        ASSERT_TRUE(defined.has_value()) << plugin;
        for (const QByteArray &name : entryPoints)
            EXPECT_TRUE(defined->contains(name)) << plugin << " " << name.constData();
        EXPECT_TRUE(ElfImage::missingFunctions(fileBytes(testPlugin(plugin)), entryPoints).isEmpty()) << plugin;
    }
    EXPECT_EQ(ElfImage::missingFunctions(fileBytes(testPlugin("nodraw")), entryPoints),
              QByteArrayList{"Seiriken_Draw"});
    EXPECT_EQ(ElfImage::missingFunctions(fileBytes(testPlugin("notaplugin")), entryPoints), entryPoints);
    EXPECT_EQ(ElfImage::definedFunctions(fileBytes(testPlugin("notaplugin"))), QByteArrayList{"SomethingElse"});
    EXPECT_FALSE(ElfImage::definedFunctions("not a library").has_value());

    PlgInfo info;
    QString refusal;
    EXPECT_EQ(KB4_GetPlgInfo(testPlugin("nodraw"), info, &refusal), 0);
    EXPECT_EQ(refusal, QStringLiteral("it does not export the entry point Seiriken_Draw"));
}

TEST_F(PluginGateway, APluginThatCrashedIsNotLoadedAgainUntilChosenAgain)
{
    const QString config = temp("config");
    const QString plugin = temp("crashes.4SP");
    ASSERT_TRUE(QFile::copy(testPlugin("crashes"), plugin));
    SetPluginCrashFolder(config);
    EXPECT_NE(infoOf(plugin).CorpCount, 0);
    // A call that returns leaves no marker.
    EXPECT_TRUE(QDir(config).entryList({QStringLiteral("plugin-call.*")}, QDir::Files).isEmpty());
    EXPECT_TRUE(TakeCrashedPlugin().isEmpty());

    QImage canvas(8, 8, QImage::Format_RGB32);
    EXPECT_DEATH(drawInto(plugin, canvas), "");

    // The next start learns which plug-in it was and leaves it alone.
    EXPECT_EQ(TakeCrashedPlugin(), QFileInfo(plugin).absoluteFilePath());
    EXPECT_TRUE(TakeCrashedPlugin().isEmpty());
    int32_t result = -1;
    infoOf(plugin, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(drawInto(plugin, canvas), 0);
    // Other plug-ins are not concerned.
    EXPECT_NE(infoOf(testPlugin("full")).CorpCount, 0);

    AllowPlugin(plugin);
    infoOf(plugin, &result);
    EXPECT_NE(result, 0);
    SetPluginCrashFolder(QString());
}
