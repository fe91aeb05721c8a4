#pragma once

#include "audio/PcmBuffer.h"
#include "audio/WavDecoder.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace audio {

// Wave files decoded into their sounds on a worker thread of the loader's own, a block at a
// time, so that a sound plays as soon as its first block is in whatever the file's length, and
// the thread that opened it never waits for decoding or resampling. Files opened together take
// turns block by block.
class SoundLoader
{
public:
    // Called on the worker after each block appended to a sound; a seam for tests, which may
    // hold the worker there.
    using BlockHook = std::function<void(const PcmBuffer &sound)>;

    SoundLoader();
    ~SoundLoader();
    SoundLoader(const SoundLoader &) = delete;
    SoundLoader &operator=(const SoundLoader &) = delete;

    void setBlockHook(BlockHook afterBlock);

    // Queues the decoding of an opened file and returns the sound it fills.
    std::shared_ptr<PcmBuffer> start(std::unique_ptr<WavDecoder> decoder);

    // Stops decoding `sound`; it ends where it got to.
    void cancel(const std::shared_ptr<PcmBuffer> &sound);

private:
    struct Job
    {
        std::unique_ptr<WavDecoder> decoder;
        std::shared_ptr<PcmBuffer> sound;
    };

    void run();

    BlockHook m_afterBlock;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_jobs;               // waiting for their next block
    std::shared_ptr<PcmBuffer> m_current; // the sound whose block is being decoded
    bool m_cancelCurrent = false;
    bool m_quit = false;
    std::thread m_worker;
};

} // namespace audio
