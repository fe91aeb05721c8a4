#pragma once

// Helpers shared by the speech tests: temporary files, waiting for the voice, loudness.

#include "speech/SpeechVoice.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

namespace speechtest {

// Options that read no user file, so the tests do not depend on the account running them.
inline speech::SpeechVoice::Options isolatedOptions()
{
    speech::SpeechVoice::Options options;
    options.userReadingsFile.clear();
    options.settingsFile.clear();
    return options;
}

inline bool waitForState(const speech::TextToSpeech &speech, int32_t state, int timeoutMs = 20000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (speech.state() != state) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline double rms(const std::vector<int16_t> &samples)
{
    if (samples.empty())
        return 0;
    double sum = 0;
    for (int16_t s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / double(samples.size()));
}

inline int peak(const std::vector<int16_t> &samples)
{
    int p = 0;
    for (int16_t s : samples)
        p = std::max(p, std::abs(int(s)));
    return p;
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace speechtest
