#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

namespace tool {

constexpr const char *ProgramName = "731-tool";

// Exit status of every command.
enum ExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1, // a problem in an input file or folder; the message names it
    ExitUsage = 2,    // wrong command line
};

// "1 file", "2 files": a count with its noun.
inline QString Plural(qsizetype count, const QString &noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(noun, count == 1 ? QString() : QStringLiteral("s"));
}

// Where a command writes: UTF-8 text to its standard output and error streams.
struct ToolIo
{
    std::ostream &out;
    std::ostream &err;

    void print(const QString &text) { out << text.toStdString(); }
    void println(const QString &line) { out << line.toStdString() << '\n'; }
    void error(const QString &line) { err << line.toStdString() << '\n'; }
};

// A command whose operands are options of its own; it checks them itself.
constexpr int ReadsOwnOptions = -1;

// Whether `arg` is written as an option ("-v", "--strict") rather than an operand ("-" is one).
inline bool IsOption(const QString &arg)
{
    return arg.startsWith(u'-') && arg.size() > 1;
}

// The operands among a command's arguments, its flags left out.
inline QStringList OperandsOf(const QStringList &args)
{
    QStringList operands;
    for (const QString &arg : args) {
        if (!IsOption(arg))
            operands << arg;
    }
    return operands;
}

// One command of the tool, called by its words ("hy3 dump") followed by its operands.
struct ToolCommand
{
    QStringList words;    // {"hy3", "dump"}
    QString operands;     // how the operands are written in usage lines: "FILE.hy3"
    QString summary;      // one line for the command list
    QString help;         // the text `--help` shows after the usage line
    int operandCount = 0; // exactly this many operands; ReadsOwnOptions: the command parses them
    std::function<int(const QStringList &operands, ToolIo &io)> run;
    QStringList flags;    // switches it takes besides its operands ("--verbose"), anywhere among them

    // "731-tool send step": the words and operands as typed, without a blank at the end.
    QString invocation() const
    {
        return QStringLiteral("%1 %2 %3").arg(QLatin1String(ProgramName), words.join(u' '), operands).trimmed();
    }
    QString usage() const { return QStringLiteral("usage: ") + invocation(); }
};

} // namespace tool
