#include "tests/device/EngineHarness.h"

#include <gtest/gtest.h>

#include <ostream>

#include "device/ZaqProtocol.h"

namespace enginetest {

std::ostream& operator<<(std::ostream& out, const Notice& notice)
{
    return out << notice.code << "(" << notice.value << ")";
}

void ShortenTiming(device::CDeviceZAQ& engine)
{
    engine.pulseMs = 1;
    engine.idleAfterPulse1Ms = 20;
    engine.idleAfterPulse2Ms = 10;
    engine.pauseAfterAnswerMs = 0;
    engine.answerTimeoutMs = 1500;
}

zaqsim::SimOptions ShortenedSimOptions()
{
    // The device's threads read bytes when the scheduler lets them, so under load the gaps
    // they see are not the gaps on the line; the timing suite checks those alone.
    zaqsim::SimOptions options;
    options.minGap1Ms = 0;
    options.minGap2Ms = 0;
    return options;
}

EngineHarness::EngineHarness(zaqsim::SimOptions options)
{
    sim = std::make_unique<zaqsim::Simulator>(std::move(options));
    std::string error;
    if (!sim->Start(error))
        ADD_FAILURE() << "simulator: " << error;
    engine = std::make_unique<device::CDeviceZAQ>();
    ShortenTiming(*engine);
    engine->portName = sim->SlavePath();
    engine->Start();
}

EngineHarness::~EngineHarness()
{
    engine.reset();
    sim.reset();
}

std::vector<Notice> EngineHarness::NextPass()
{
    std::vector<Notice> pass;
    while (target.WaitForCount(seen_ + 1, 30000)) {
        const auto messages = target.Messages();
        const auto& message = messages[seen_++];
        EXPECT_EQ(message.message, device::g_deviceZaqMessage);
        EXPECT_EQ(message.lParam, 0);
        const Notice notice{device::zaq::NotificationCode(std::uint32_t(message.wParam)),
                            device::zaq::NotificationValue(std::uint32_t(message.wParam))};
        pass.push_back(notice);
        if (notice.code == device::NotifyFinished)
            return pass;
    }
    ADD_FAILURE() << "no NotifyFinished; got " << pass.size() << " notifications";
    return pass;
}

std::vector<Bytes> EngineHarness::WireFrames() const
{
    std::vector<Bytes> frames;
    for (const zaqsim::WireFrame& frame : sim->Log().Frames())
        if (frame.kind != zaqsim::FrameKind::Pulse)
            frames.push_back(frame.bytes);
    return frames;
}

}  // namespace enginetest
