#include "731-tool/CommandTable.h"

namespace tool {
namespace {

bool IsHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

bool StartsWith(const QStringList &args, const QStringList &words)
{
    if (args.size() < words.size())
        return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (args[i] != words[i])
            return false;
    }
    return true;
}

} // namespace

void CommandTable::add(ToolCommand command)
{
    m_commands.push_back(std::move(command));
}

const ToolCommand *CommandTable::find(const QStringList &args) const
{
    const ToolCommand *best = nullptr;
    for (const ToolCommand &c : m_commands) {
        if (StartsWith(args, c.words) && (!best || c.words.size() > best->words.size()))
            best = &c;
    }
    return best;
}

QList<const ToolCommand *> CommandTable::group(const QStringList &words) const
{
    QList<const ToolCommand *> members;
    for (const ToolCommand &c : m_commands) {
        if (StartsWith(c.words, words))
            members.append(&c);
    }
    return members;
}

void CommandTable::listCommands(const QList<const ToolCommand *> &commands,
                                std::ostream &stream) const
{
    for (const ToolCommand *c : commands) {
        stream << "  " << c->invocation().toStdString() << "\n      " << c->summary.toStdString() << '\n';
    }
    stream << "Each command shows its own help with --help.\n";
}

int CommandTable::run(const QStringList &args, ToolIo &io) const
{
    if (args.isEmpty() || IsHelp(args.first())) {
        std::ostream &stream = args.isEmpty() ? io.err : io.out;
        stream << "usage: " << ProgramName << " COMMAND ...\n"
               << "Works with the fare display simulator's data files and ticket plug-ins, and drives\n"
               << "the running simulator's console.\n"
               << "  " << ProgramName << " --version\n      show the version\n\nCommands:\n";
        listCommands(group({}), stream);
        return args.isEmpty() ? ExitUsage : ExitOk;
    }
    if (args == QStringList{QStringLiteral("--version")}) {
        io.out << ProgramName << ' ' << m_version.toStdString() << '\n';
        return ExitOk;
    }
    if (const ToolCommand *command = find(args))
        return runCommand(*command, args.mid(command->words.size()), io);

    // The words of a group, alone or with --help, list the group's commands.
    QStringList words = args;
    const bool help = IsHelp(words.last());
    if (help)
        words.removeLast();
    const QList<const ToolCommand *> members =
        words.isEmpty() ? QList<const ToolCommand *>{} : group(words);
    if (!members.isEmpty()) {
        std::ostream &stream = help ? io.out : io.err;
        stream << "Commands of " << ProgramName << ' ' << words.join(u' ').toStdString() << ":\n";
        listCommands(members, stream);
        return help ? ExitOk : ExitUsage;
    }
    io.error(QStringLiteral("%1: unknown command '%2'; see %1 --help")
                 .arg(QLatin1String(ProgramName), args.join(u' ')));
    return ExitUsage;
}

int CommandTable::runCommand(const ToolCommand &command, const QStringList &operands,
                             ToolIo &io) const
{
    for (const QString &arg : operands) {
        if (IsHelp(arg)) {
            io.println(command.usage());
            io.print(QStringLiteral("\n") + command.help);
            return ExitOk;
        }
    }
    if (command.operandCount == ReadsOwnOptions)
        return command.run(operands, io);
    for (const QString &arg : operands) {
        if (IsOption(arg) && !command.flags.contains(arg)) {
            io.error(QStringLiteral("%1: unknown option '%2'").arg(command.words.join(u' '), arg));
            io.error(command.usage());
            return ExitUsage;
        }
    }
    if (OperandsOf(operands).size() != command.operandCount) {
        io.error(command.usage());
        return ExitUsage;
    }
    return command.run(operands, io);
}

} // namespace tool
