#include "audio/MciCommand.h"

namespace audio {

namespace {

bool is(const QString &word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The words after the target of open: "type", "alias" and "wait", each at most once.
bool parseOpenOptions(const QStringList &words, MciCommand &cmd)
{
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString &w = words[i];
        if (is(w, "type") && cmd.type == MciCommand::DeviceType::None && i + 1 < words.size()) {
            const QString &t = words[++i];
            if (is(t, "waveaudio"))
                cmd.type = MciCommand::DeviceType::WaveAudio;
            else if (is(t, "sequencer"))
                cmd.type = MciCommand::DeviceType::Sequencer;
            else
                return false;
        } else if (is(w, "alias") && cmd.alias.isEmpty() && i + 1 < words.size()) {
            cmd.alias = words[++i];
        } else if (is(w, "wait") && !cmd.wait) {
            cmd.wait = true;
        } else {
            return false;
        }
    }
    return cmd.type != MciCommand::DeviceType::None && !cmd.alias.isEmpty();
}

// The words after the alias of play, stop and close.
bool parseFlags(const QStringList &words, MciCommand &cmd, bool allowFrom)
{
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString &w = words[i];
        if (allowFrom && is(w, "from") && !cmd.fromMs && i + 1 < words.size()) {
            bool ok = false;
            const qint64 ms = words[++i].toLongLong(&ok);
            if (!ok || ms < 0)
                return false;
            cmd.fromMs = ms;
        } else if (is(w, "wait") && !cmd.wait) {
            cmd.wait = true;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<QStringList> MciCommand::split(const QString &command)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = command.size();
    while (i < n) {
        if (isBlank(command[i])) {
            ++i;
            continue;
        }
        if (command[i] == u'"') {
            const qsizetype close = command.indexOf(u'"', i + 1);
            if (close < 0)
                return std::nullopt;
            // A closing quote must end the word: `"a"b` is not two words run together.
            if (close + 1 < n && !isBlank(command[close + 1]))
                return std::nullopt;
            words << command.mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < n && !isBlank(command[end]))
            ++end;
        const QString word = command.mid(i, end - i);
        if (word.contains(u'"'))
            return std::nullopt;
        words << word;
        i = end;
    }
    return words;
}

std::optional<MciCommand> MciCommand::parse(const QString &command)
{
    const auto words = split(command);
    if (!words || words->size() < 2 || words->at(1).isEmpty())
        return std::nullopt;
    MciCommand cmd;
    cmd.target = words->at(1);
    const QString &verb = words->at(0);
    bool ok = false;
    if (is(verb, "open")) {
        cmd.verb = Verb::Open;
        ok = parseOpenOptions(*words, cmd);
    } else if (is(verb, "play")) {
        cmd.verb = Verb::Play;
        ok = parseFlags(*words, cmd, true);
    } else if (is(verb, "stop")) {
        cmd.verb = Verb::Stop;
        ok = parseFlags(*words, cmd, false);
    } else if (is(verb, "close")) {
        cmd.verb = Verb::Close;
        ok = parseFlags(*words, cmd, false);
    }
    if (!ok)
        return std::nullopt;
    return cmd;
}

} // namespace audio
