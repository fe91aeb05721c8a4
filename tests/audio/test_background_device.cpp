// The sound card opens on its own thread; the program goes on meanwhile.
#include "audio/BackgroundStartedDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <vector>

namespace {

// A device whose start waits until the test lets it go.
class GatedDevice final : public audio::AudioDevice
{
public:
    GatedDevice(std::shared_future<void> gate, std::vector<QString> &log) : m_gate(std::move(gate)), m_log(log) {}

    bool start(RenderFunction render) override
    {
        m_gate.wait();
        render(nullptr, 0);
        m_log.push_back(QStringLiteral("started"));
        return true;
    }
    void stop() override { m_log.push_back(QStringLiteral("stopped")); }
    QString driverName() const override { return QStringLiteral("gated"); }

private:
    std::shared_future<void> m_gate;
    std::vector<QString> &m_log;
};

} // namespace

// Starting returns before the device has opened; the device renders once it has; stopping and
// asking for the driver wait for the opening to end.
TEST(BackgroundStartedDevice, StartReturnsAtOnceAndStopWaitsForTheOpening)
{
    std::promise<void> open;
    std::vector<QString> log;
    audio::BackgroundStartedDevice device(std::make_unique<GatedDevice>(open.get_future().share(), log));
    std::atomic<int> renders = 0;

    EXPECT_TRUE(device.start([&](float *, int) { ++renders; }));
    EXPECT_EQ(renders, 0);
    open.set_value();
    EXPECT_EQ(device.driverName(), QStringLiteral("gated"));
    EXPECT_EQ(renders, 1);
    device.stop();
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("started"), QStringLiteral("stopped")}));
}
