#pragma once

// The resource library: setting dialogs, pickers, the OS name, the byte-wise string functions
// of the Japanese code page and the gateway to the ticket plug-ins.
//
// Dialog functions take and return text as QString; the byte-wise functions work on code-page
// bytes (see base::Cp932), exactly as the callers hand them over.

#include <QByteArray>
#include <QString>
#include <cstdint>

class QImage;
class QWidget;

namespace reslib {

// Digit settings of a seven-segment cell. The three values are read back whatever the result;
// 1 means the user confirmed, and only then do they change.
int32_t Call_dlg100(QWidget *owner, int16_t keta, int16_t &zeroMode, int16_t &shift,
                    int16_t &fillZero);

// About box showing `text`. `mode` is always 1. The result means nothing.
int32_t Call_dlg110(QWidget *owner, int32_t mode, const QString &text);

// The platform's system-time record: eight 16-bit fields.
struct SystemTime
{
    int16_t wYear = 0;
    int16_t wMonth = 0;
    int16_t wDayOfWeek = 0;
    int16_t wDay = 0;
    int16_t wHour = 0;
    int16_t wMinute = 0;
    int16_t wSecond = 0;
    int16_t wMilliseconds = 0;
};

// Date picker; non-zero when a date was chosen, with year, month and day set.
int32_t Call_dlg111(QWidget *owner, SystemTime &date);

constexpr int CustomColorCount = 17;

// Colour picker. `colour` is 0x00BBGGRR in and out; `customColors` points at the first of
// CustomColorCount colours, which the dialog may update. Non-zero when a colour was chosen.
int32_t Kb3ChooseColor(QWidget *owner, int32_t &colour, int32_t *customColors);

// File picker. `filter` holds description and pattern pairs, each item followed by a zero
// character and one more zero at the end. Returns the chosen file, empty when cancelled.
QString Kb3FileDlg(QWidget *owner, int32_t flags, const QByteArray &filter,
                   const QString &initialName, const QString &title);

// Folder picker; the chosen folder, empty when cancelled.
QString Kb3FolderDlg(QWidget *owner, const QString &title);

// The name of the operating system the program runs on.
QString GetOsInfo();

// Length of code-page text in bytes.
int32_t LenB_ASCII(const QByteArray &text);

// `count` bytes of code-page text from the 1-based byte position `start`. Positions beyond
// the end give the empty text; a slice may cut a double-byte character and then holds the
// lone lead or trail byte as it is.
QByteArray MidB_ASCII(const QByteArray &text, int32_t start, int32_t count);

// Ticket plug-in gateway. The plug-in is named by its real file name on every call; the library
// loads it as it needs and notices when the file has changed. Plug-ins are shared libraries
// built against sdk/seiriken_plugin.h; the texts handed to them are code-page bytes.

// The plug-in's capabilities: fourteen signed 32-bit fields, 56 bytes. Zero-fill before a query;
// a flag counts as set only when it equals 1.
struct PlgInfo
{
    int32_t InfoHead = 0;
    int32_t PrevWidth = 0;  // twips
    int32_t PrevHeight = 0; // twips
    int32_t CanDate = 0;
    int32_t CanTime = 0;
    int32_t CanRouteNo = 0;
    int32_t CanStopName = 0;
    int32_t CanBarcode = 0;
    int32_t BarcodeCount = 0;
    int32_t MaxRouteNo = 0;
    int32_t BarcodeMode = 0;
    int32_t StopFrom = 0;
    int32_t StopTo = 0;
    int32_t CorpCount = 0;
};
static_assert(sizeof(PlgInfo) == 56, "PlgInfo is fourteen 32-bit fields");

// 0 when the file is not a plug-in (not a regular file, not a loadable library of this machine,
// no entry points, another interface version) or the plug-in refuses; otherwise `info` is filled.
// `refusal`, when given, receives why in English (for standard error), or is emptied.
int32_t KB4_GetPlgInfo(const QString &plugin, PlgInfo &info, QString *refusal = nullptr);
// The plug-in's remarks replace the text of `edit`, a QPlainTextEdit or a QLineEdit.
int32_t KB4_SetPlgComment(const QString &plugin, QWidget *edit);
// The plug-in's company names are added to `combo`, a QComboBox; its selection is left as it was.
int32_t KB4_SetCorpAddList(const QString &plugin, QWidget *combo);
// The plug-in draws the ticket into `canvas` (any size; 32-bit formats are drawn in place,
// others are converted to Format_RGB32 first). The texts are code-page bytes, handed to the
// plug-in as copies so that the caller's bytes stay as they are.
int32_t KB4_DrawSeiriken(const QString &plugin, QImage &canvas, const QByteArray &stopText,
                         const QByteArray &dateText, const QByteArray &timeText, int32_t routeNo,
                         int32_t rowValue, int32_t dataIndex, int32_t corpIndex);

// Crash protection of the gateway. With a folder set, a marker there names the plug-in whose
// code is running; a run that dies inside a plug-in leaves it behind. Empty: no markers.
void SetPluginCrashFolder(const QString &folder);
// At start-up: the plug-in file a crashed run was calling, which is not loaded again until
// AllowPlugin or until the file changes; empty when no run crashed inside a plug-in.
QString TakeCrashedPlugin();
// The user chose `plugin` again: it may be loaded.
void AllowPlugin(const QString &plugin);

} // namespace reslib
