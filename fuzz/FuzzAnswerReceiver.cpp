// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's answer receiver fed from the fuzzer's bytes, on a port that echoes every byte
// sent and otherwise delivers the input. Each round takes a byte that picks the next request
// (connection start, identification, read, write step, stop), sends it and receives its answer
// from the input, as a connection does, until an answer fails or the input is used up.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "device/CDeviceZAQ.h"
#include "device/ZaqProtocol.h"
#include "platform/ErrorCodes.h"

namespace {

class FuzzedLineEngine : public device::CDeviceZAQ {
public:
    FuzzedLineEngine()
    {
        answerTimeoutMs = 0;
        pauseAfterAnswerMs = 0;
    }

    using device::CDeviceZAQ::Transact;

    std::deque<std::uint8_t> input;

    std::uint32_t Write(const void* bytes, std::uint32_t length, std::uint32_t* written,
                        platform::Overlapped*, std::uint32_t) override
    {
        const auto* p = static_cast<const std::uint8_t*>(bytes);
        echoes_.insert(echoes_.end(), p, p + length);
        if (written)
            *written = length;
        return 0;
    }

    std::uint32_t Read(void* buffer, std::uint32_t length, std::uint32_t* got, platform::Overlapped*,
                       std::uint32_t) override
    {
        auto* out = static_cast<std::uint8_t*>(buffer);
        std::uint32_t n = 0;
        for (; n < length && !echoes_.empty(); echoes_.pop_front())
            out[n++] = echoes_.front();
        for (; n < length && !input.empty(); input.pop_front())
            out[n++] = input.front();
        if (got)
            *got = n;
        return 0;
    }

    // The input used up is a line that hung up: the wait ends at once.
    std::uint32_t WaitForInput(std::chrono::steady_clock::time_point, platform::StopHandle) override
    {
        return echoes_.empty() && input.empty() ? platform::kErrorIoDevice : 0;
    }

private:
    std::deque<std::uint8_t> echoes_;
};

// Sets the engine's request to the frame of that kind.
void PrepareRequest(device::CDeviceZAQ& engine, std::uint8_t pick)
{
    std::uint8_t* request = engine.request;
    switch (pick % 5) {
    case 0:  // connection start
        request[0] = 0x81;
        request[3] = 0x81;
        break;
    case 1:  // identification
        request[0] = 0x82;
        request[3] = 0x3C;
        request[4] = 0x00;
        break;
    case 2:  // read of one address
        request[0] = 0x84;
        request[3] = 0x23;
        request[4] = 0x00;
        request[5] = 0x81;
        request[6] = pick;
        break;
    case 3:  // one step of a byte's write
        request[0] = 0x85;
        request[3] = 0x3D;
        request[4] = 0x00;
        request[5] = 0x00;
        request[6] = std::uint8_t(0x60 + pick % 4);
        request[7] = pick;
        break;
    default:  // stop
        request[0] = 0x81;
        request[3] = 0x82;
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static FuzzedLineEngine* engine = new FuzzedLineEngine;  // reused: its answer buffer carries over
    engine->input.assign(bytes, bytes + size);
    while (!engine->input.empty()) {
        const std::uint8_t pick = engine->input.front();
        engine->input.pop_front();
        PrepareRequest(*engine, pick);
        // As the engine asks: the identification and a read need their data bytes.
        std::size_t needed = 0;
        if (pick % 5 == 1) {
            needed = device::kZaqProfile.IdAnswerData();
        } else if (pick % 5 == 2) {
            needed = device::zaq::kReadValueData + 1;
        }
        if (engine->Transact(needed) != device::ResultOk)
            break;
        // What the engine then takes must lie inside the answer just received, before its checksum.
        const std::uint8_t* answer = engine->answer;
        const std::size_t data = device::zaq::AnswerDataIndex(answer[0]);
        const std::size_t checksumAt = device::zaq::AnswerChecksumIndex(answer[0], answer[3]);
        if (data + needed > checksumAt)
            __builtin_trap();
        if (pick % 5 == 1) {
            engine->idText = device::zaq::FormatIdText(answer);
        } else if (pick % 5 == 2) {
            engine->readBack[pick] = answer[data + device::zaq::kReadValueData];
        }
    }
    return 0;
}
