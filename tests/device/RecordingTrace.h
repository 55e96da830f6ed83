// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A trace sink that keeps everything the engine tells it, for the engine's trace tests.

#include <mutex>
#include <string>
#include <vector>

#include "device/DeviceTrace.h"

namespace enginetest {

class RecordingTrace : public device::TraceSink {
public:
    void ConnectionBegan(const device::TraceBegin& begin) override;
    void TraceLine(const std::string& line) override;
    void ConnectionEnded(const device::TraceEnd& end) override;

    std::vector<device::TraceBegin> Begins();
    std::vector<std::string> Lines();
    // The lines' texts, without their times.
    std::vector<std::string> Texts();
    // "began", "line <text up to its colon>", "ended", in the order they came.
    std::vector<std::string> Events();
    std::vector<device::TraceEnd> Ends();
    // The line's text after its "NNN ms  " time.
    static std::string Text(const std::string& line);

private:
    std::mutex mutex_;
    std::vector<device::TraceBegin> begins_;
    std::vector<std::string> lines_;
    std::vector<std::string> events_;
    std::vector<device::TraceEnd> ends_;
};

}  // namespace enginetest
