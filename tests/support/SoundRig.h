#pragma once

// A media control whose output the test pulls by hand, and a temporary folder for the sound
// files a test writes.

#include "SoundFixtures.h"

#include "audio/MediaControl.h"
#include "audio/PullAudioDevice.h"

#include <QTemporaryDir>

#include <memory>

namespace testsupport {

class SoundRig
{
public:
    explicit SoundRig(bool withMidi = false);

    audio::MediaControl &mci() { return *m_mci; }
    audio::PullAudioDevice &device() { return *m_device; }

    // Writes `bytes` to `name` in the temporary folder and returns the full path.
    QString file(const QString &name, const QByteArray &bytes);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Mixes `seconds` of output, once every open sound is loaded.
    Pcm pull(double seconds);
    void waitUntilLoaded();

    // Mixes until `alias` has stopped playing (or `maxSeconds` of output), once its sound is
    // fully loaded.
    Pcm pullUntilEnded(const QString &alias, double maxSeconds = 5.0);

private:
    QTemporaryDir m_dir;
    audio::PullAudioDevice *m_device;
    std::unique_ptr<audio::MediaControl> m_mci;
};

} // namespace testsupport
