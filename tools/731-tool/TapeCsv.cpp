#include "731-tool/TapeCsv.h"

#include "731-tool/CsvField.h"
#include "731-tool/ToolCommand.h"

#include "base/Cp932.h"

namespace tool {
namespace {

enum TapeCsvColumn : int { TextColumn = 0, StepColumn = 1, SoundColumn = 2, TapeColumns = 3 };

const char *ColumnName(int column)
{
    return column == TextColumn ? "text" : column == StepColumn ? "step" : "sound";
}

// A flag as the tool takes it: written, and a whole number in signed 16 bits.
QString FlagError(int column, const QString &text, int16_t &value)
{
    const QString t = text.trimmed();
    const QString name = QString::fromLatin1(ColumnName(column));
    if (t.isEmpty())
        return column == StepColumn
                   ? QStringLiteral("field step is empty; write 1 to step the fare display with this announcement, 0 not to")
                   : QStringLiteral("field sound is empty; write 1 to 3 for that pre-broadcast sound, 0 for none");
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!IsWholeNumber(t) || !ok || v < INT16_MIN || v > INT16_MAX)
        return QStringLiteral("field %1 is \"%2\", not a whole number from -32768 to 32767").arg(name, ShowControls(text));
    value = int16_t(v);
    return {};
}

} // namespace

QString TapeCsvHeader()
{
    return QStringLiteral("text,step,sound");
}

QString TapeCsvLine(const sound::TapeEntry &entry)
{
    return QStringLiteral("%1,%2,%3").arg(QuoteCsvField(entry.Text), QString::number(entry.StepFlag),
                                          QString::number(entry.SoundFlag));
}

bool IsTapeCsvHeader(const QStringList &fields)
{
    return fields.size() > StepColumn && !fields[StepColumn].trimmed().isEmpty() && !IsWholeNumber(fields[StepColumn]);
}

CsvTapeEntry TapeEntryFromCsv(const QStringList &fields)
{
    CsvTapeEntry r;
    if (fields.size() != TapeColumns) {
        r.error = QStringLiteral("%1, not three: the text, the step flag and the sound flag (a text holding a comma "
                                 "goes in double quotes)")
                      .arg(Plural(fields.size(), QStringLiteral("field")));
        return r;
    }
    const QString text = RestoreControls(fields[TextColumn]);
    if (text.contains(u'\n') || text.contains(u'\r')) {
        r.error = QStringLiteral("the text holds a line break; each line of broadcast data is one announcement");
        return r;
    }
    if (!base::Cp932::canEncode(text)) {
        r.error = QStringLiteral("the text \"%1\" holds characters that Shift-JIS (CP932) cannot write").arg(ShowControls(text));
        return r;
    }
    r.entry.Text = text;
    for (int column : {StepColumn, SoundColumn}) {
        int16_t &flag = column == StepColumn ? r.entry.StepFlag : r.entry.SoundFlag;
        if (const QString why = FlagError(column, fields[column], flag); !why.isEmpty()) {
            r.error = why;
            return r;
        }
    }
    return r;
}

QByteArray BroadcastLine(const sound::TapeEntry &entry)
{
    QString text = entry.Text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return base::Cp932::fromUnicode(QStringLiteral("\"%1\",%2,%3\r\n")
                                        .arg(text, QString::number(entry.StepFlag), QString::number(entry.SoundFlag)));
}

QString DescribeBroadcastFault(const sound::BroadcastFault &fault)
{
    using sound::BroadcastProblem;
    const QString line = QStringLiteral("line %1: ").arg(fault.line);
    switch (fault.problem) {
    case BroadcastProblem::CannotOpen:
        return QStringLiteral("cannot be read");
    case BroadcastProblem::TooLarge:
        return QStringLiteral("larger than %1 MiB; the tape does not read it").arg(sound::BroadcastData::MaxFileBytes >> 20);
    case BroadcastProblem::Empty:
        return QStringLiteral("empty (at most an end-of-file mark); the tape stays off");
    case BroadcastProblem::NotCodePage:
        return line + QStringLiteral("bytes that are not Shift-JIS text (a UTF-8 file? tp build writes Shift-JIS)");
    case BroadcastProblem::Blank:
        return line + QStringLiteral("blank; every line must hold an announcement");
    case BroadcastProblem::OpenQuote:
        return line + QStringLiteral("a double quote is not closed");
    case BroadcastProblem::TextAfterQuote:
        return line + QStringLiteral("something other than a comma follows a closing double quote");
    case BroadcastProblem::NotThreeValues:
        return line + QStringLiteral("%1, not three (text, step flag, sound flag); a text holding a comma must be "
                                     "in double quotes")
                          .arg(Plural(fault.values, QStringLiteral("value")));
    case BroadcastProblem::BadStepFlag:
    case BroadcastProblem::BadSoundFlag:
        return line + QStringLiteral("the %1 flag is \"%2\", not a whole number from -32768 to 32767")
                          .arg(fault.problem == BroadcastProblem::BadStepFlag ? QStringLiteral("step") : QStringLiteral("sound"),
                               ShowControls(fault.value));
    }
    return {};
}

} // namespace tool
