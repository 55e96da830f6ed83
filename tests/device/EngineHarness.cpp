// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/device/EngineHarness.h"

#include <gtest/gtest.h>

#include <ostream>

#include "device/ZaqProtocol.h"
#include "tests/support/NotificationWait.h"
#include "tests/support/ShortEngineTiming.h"

namespace enginetest {

std::ostream& operator<<(std::ostream& out, const Notice& notice)
{
    return out << notice.code << "(" << notice.value << ")";
}

EngineHarness::EngineHarness(zaqsim::SimOptions options, std::unique_ptr<device::CDeviceZAQ> given)
{
    sim = testsupport::StartSimulator(std::move(options));
    engine = given ? std::move(given) : std::make_unique<device::CDeviceZAQ>();
    testsupport::ShortenEngineTiming(*engine);
    engine->answerTimeoutMs = 1500;
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
    testsupport::TakeUntilFinished(
        target, seen_, [&](const testsupport::RecordingMessageTarget::Message& message) {
            EXPECT_EQ(message.message, device::g_deviceZaqMessage);
            EXPECT_EQ(message.lParam, 0);
            pass.push_back({device::zaq::NotificationCode(std::uint32_t(message.wParam)),
                            device::zaq::NotificationValue(std::uint32_t(message.wParam))});
        });
    return pass;
}

std::vector<Bytes> EngineHarness::WireFrames() const
{
    std::vector<Bytes> frames;
    for (const zaqsim::WireFrame& frame : sim->Log().Frames()) {
        if (frame.kind != zaqsim::FrameKind::Pulse)
            frames.push_back(frame.bytes);
    }
    return frames;
}

}  // namespace enginetest
