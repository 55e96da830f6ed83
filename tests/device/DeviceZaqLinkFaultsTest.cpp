// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against faults of the device and the line, over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

#include "operation/OpenFailureText.h"
#include "platform/ErrorCodes.h"
#include "platform/LineControl.h"
#include "platform/SerialBackend.h"
#include "tests/device/EngineHarness.h"
#include "tests/device/RecordingTrace.h"

namespace {

using enginetest::Bytes;
using enginetest::EngineHarness;
using enginetest::Notice;
using enginetest::RecordingTrace;
using Pass = std::vector<Notice>;

TEST(EngineLinkFaults, RefusedWriteStepReadAndIdEndWithTheReasonAndChangeNothing)
{
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.refuseAnswer = 3;  // start, identification, then the first write step
        EngineHarness h(options);
        std::array<std::uint8_t, 256> buffer{};
        buffer[0x40] = 0xAB;
        ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x40, 2, false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 2}, {1, device::ResultRefused}}));
        EXPECT_EQ(h.engine->refusalCode, zaqsim::kRefusalReason);
        EXPECT_EQ(h.sim->Eeprom().Get(0x40), 0x00);
        EXPECT_EQ(h.WireFrames().size(), 3u);  // no further step, no stop frame

        // The next request starts clean: a good pass leaves no reason behind.
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
        EXPECT_EQ(h.engine->refusalCode, 0);
    }
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.refuseAnswer = 3;
        EngineHarness h(options);
        h.sim->Eeprom().Put(0x10, 0x5A);
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 1, false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 1}, {1, device::ResultRefused}}));
        EXPECT_EQ(buffer[0x10], 0x00);  // no byte of the refusal is taken as EEPROM data
    }
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.refuseAnswer = 2;
        EngineHarness h(options);
        ASSERT_TRUE(h.engine->StartReadId(false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultRefused}}));
        EXPECT_EQ(h.engine->idText, "");
        EXPECT_EQ(h.engine->refusalCode, zaqsim::kRefusalReason);
    }
}

// An answer with a right checksum but no data where the request needs them: nothing is taken from
// beyond its end, and the connection ends there, in either header form.
TEST(EngineLinkFaults, AnswerTooShortForItsRequestEndsTheConnectionAndTakesNothing)
{
    for (const bool longForm : {false, true}) {
        SCOPED_TRACE(longForm);
        auto options = testsupport::ZeroGapSimOptions();
        options.longAnswers = longForm;
        options.shortAnswer = 4;  // start, identification, the first read, then the second
        EngineHarness h(options);
        h.sim->Eeprom().Put(0x10, 0x5A);
        h.sim->Eeprom().Put(0x11, 0xA5);
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 2, false));
        EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 2}, {4, 0}, {1, device::ResultShortAnswer}}));
        EXPECT_EQ(buffer[0x10], 0x5A);
        EXPECT_EQ(buffer[0x11], 0x00) << "not the first read's value left in the answer";
        EXPECT_EQ(h.WireFrames().size(), 4u);  // no stop frame after it

        options.shortAnswer = 2;
        EngineHarness id(options);
        ASSERT_TRUE(id.engine->StartReadId(false));
        EXPECT_EQ(id.NextPass(), (Pass{{0, 0}, {1, device::ResultShortAnswer}})) << "no ID made up";
        EXPECT_EQ(id.engine->idText, "");
    }
}

// A read answered for the next address would shift the dump by a byte: the connection ends there,
// and the value is not taken.
TEST(EngineLinkFaults, AReadAnsweredForAnotherAddressEndsTheConnectionAndTakesNothing)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.otherAddressAnswer = 4;  // start, identification, the read of 0x10, then of 0x11
    EngineHarness h(options);
    h.sim->Eeprom().Put(0x10, 0x5A);
    h.sim->Eeprom().Put(0x12, 0xA5);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 3, false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {3, 3}, {4, 0}, {1, device::ResultUnexpectedAnswer}}));
    EXPECT_EQ(buffer[0x10], 0x5A);
    EXPECT_EQ(buffer[0x11], 0x00) << "not the byte of 0x12";
    EXPECT_EQ(h.WireFrames().size(), 4u);  // no stop frame after it
}

TEST(EngineLinkFaults, LongAndShortAnswersYieldTheSameIdAndBytes)
{
    std::array<std::string, 2> ids;
    std::array<std::array<std::uint8_t, 256>, 2> read{};
    for (int form = 0; form < 2; ++form) {
        auto options = testsupport::ZeroGapSimOptions();
        options.longAnswers = form == 1;
        EngineHarness h(options);
        for (int i = 0; i < 8; ++i)
            h.sim->Eeprom().Put(std::uint8_t(0x30 + i), std::uint8_t(0xC0 + i));
        ASSERT_TRUE(h.engine->StartRead(read[form].data(), 0x30, 8, false));
        ASSERT_EQ(h.NextPass().back(), (Notice{1, 0}));
        ids[form] = h.engine->idText;
    }
    EXPECT_EQ(ids[0], "MB: 0A1 B2C 3D 4E 2211 4433");
    EXPECT_EQ(ids[1], ids[0]);
    EXPECT_EQ(read[1], read[0]);
    EXPECT_EQ(read[1][0x37], 0xC7);
}

TEST(EngineLinkFaults, StaleBytesInTheReceiveQueueAreDroppedBeforeTheWakeUp)
{
    auto options = testsupport::ZeroGapSimOptions();
    // A late identification answer of an earlier connection, and more.
    options.staleBytes = {0x8E, 0xF3, 0x21, 0x7C, 0x00, 0x0A, 0x00, 0x55};
    EngineHarness h(options);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {2, 0}, {1, 0}}));
    EXPECT_EQ(h.engine->idText, "MB: 0A1 B2C 3D 4E 2211 4433");
}

TEST(EngineLinkFaults, ChangedEchoEndsTheConnectionWithALineErrorAtThatByte)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.corruptEcho = 2 + 3;  // the third byte of the connection start
    EngineHarness h(options);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultLineError}}));
    // Nothing was sent after the byte that came back changed.
    EXPECT_EQ(h.sim->Log().ClientByteCount(), 5u);
}

// With the port's output stopped a write never completes; the byte's sending is bounded by the
// echo time-out and ends the connection as a missing echo does.
TEST(EngineLinkFaults, StoppedOutputEndsTheFirstPulseWithNoAdapter)
{
    EngineHarness h;
    // Opened before the engine takes the port exclusively; the stop holds for every opener.
    const int holder = ::open(h.sim->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::tcflow(holder, TCOOFF), 0);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultNoAdapter}}));
    EXPECT_EQ(h.sim->Log().ClientByteCount(), 0u);

    // Output on again: the same engine connects.
    ASSERT_EQ(::tcflow(holder, TCOON), 0);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
    ::close(holder);
}

// The answer time-out is a minute here: only the hang-up can end the pass within NextPass's wait.
TEST(EngineLinkFaults, HangUpInTheMiddleOfAnAnswerEndsTheWaitAtOnce)
{
    auto options = testsupport::ZeroGapSimOptions();
    options.unplugInAnswer = 2;  // the identification's answer breaks off
    // A hang-up discards what the line still holds: the delay lets the last echo be taken
    // first, so the engine is surely waiting for the answer when the line goes.
    options.responseDelayMs = 300;
    EngineHarness h(options);
    h.engine->answerTimeoutMs = 60000;
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass(), (Pass{{0, 0}, {1, device::ResultAnswerTimeout}}));
    EXPECT_TRUE(h.sim->Unplugged());
    EXPECT_EQ(h.engine->lastEnd.portError, platform::kErrorIoDevice) << "told apart from a silent device";
}

TEST(EngineLinkFaults, ConnectionLeavesTheLineSettingsAsItFoundThem)
{
    EngineHarness h;
    const int fd = ::open(h.sim->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    platform::line::LineSettings before, after;
    ASSERT_EQ(platform::line::ReadLineSettings(fd, before), 0);
    ASSERT_TRUE(h.engine->StartReadId(false));
    EXPECT_EQ(h.NextPass().back(), (Notice{1, 0}));
    ASSERT_EQ(platform::line::ReadLineSettings(fd, after), 0);
    ::close(fd);
    EXPECT_NE(before.outputSpeed, 10472u);
    EXPECT_EQ(after.outputSpeed, before.outputSpeed);
    EXPECT_EQ(after.markSpaceParity, before.markSpaceParity);
    EXPECT_EQ(after.raw, before.raw);
}

bool HasLine(const std::vector<std::string>& lines, const std::string& text)
{
    for (const std::string& line : lines) {
        if (RecordingTrace::Text(line) == text)
            return true;
    }
    return false;
}

TEST(EngineTrace, TellsLineFormatsBytesWithEchoesAnswersAndTheEnd)
{
    EngineHarness h;
    RecordingTrace trace;
    h.engine->traceSink = &trace;
    h.portMap.Link("COM3", h.sim->SlavePath());
    h.engine->portName = "COM3";
    h.sim->Eeprom().Put(0x10, 0x5A);
    std::array<std::uint8_t, 256> buffer{};
    ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 1, false));
    ASSERT_EQ(h.NextPass().back(), (Notice{1, 0}));
    const auto begins = trace.Begins();
    ASSERT_EQ(begins.size(), 1u);
    EXPECT_EQ(begins[0].operation, device::OpRead);
    EXPECT_EQ(begins[0].start, 0x10u);
    EXPECT_EQ(begins[0].count, 1u);
    EXPECT_EQ(begins[0].portName, "COM3");
    EXPECT_EQ(begins[0].portPath, h.sim->SlavePath());
    EXPECT_LE(std::chrono::system_clock::now() - begins[0].time, std::chrono::minutes(1));
    const auto lines = trace.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(RecordingTrace::Text(lines.front()), "opened COM3");
    EXPECT_EQ(RecordingTrace::Text(lines[1]), "sending byte by byte");
    EXPECT_EQ(RecordingTrace::Text(lines[2]), "no USB latency timer on this port");
    EXPECT_EQ(RecordingTrace::Text(lines[3]), "line 10000 baud, 8 data bits, space parity, 1 stop bit");
    EXPECT_EQ(RecordingTrace::Text(lines[4]), "sent 00, echo 00");
    EXPECT_TRUE(HasLine(lines, "line 10472 baud, 8 data bits, no parity, 1 stop bit"));
    EXPECT_TRUE(HasLine(lines, "sent 4C, echo 4C"));  // the read frame's checksum
    EXPECT_TRUE(HasLine(lines, "answer 85 F3 21 63 00 81 10 5A E7"));
    EXPECT_EQ(RecordingTrace::Text(lines.back()), "result 0: ok");
    // 2 pulses, 5 + 6 + 8 + 5 frame bytes and 9 trailer bytes, one line each; four answers.
    std::size_t sent = 0, answers = 0;
    long last = 0;
    for (const std::string& line : lines) {
        sent += line.find("sent ") != std::string::npos;
        answers += RecordingTrace::Text(line).rfind("answer ", 0) == 0;
        const long ms = std::stol(line);
        EXPECT_GE(ms, last) << line;
        last = ms;
    }
    EXPECT_EQ(sent, 2u + 5 + 6 + 8 + 5 + 9);
    EXPECT_EQ(answers, 4u);
}

TEST(EngineTrace, WholeFramesShowTheSendingAndEachFrameWithItsEchoes)
{
    EngineHarness h;
    RecordingTrace trace;
    h.engine->traceSink = &trace;
    h.engine->sendWholeFrames = true;
    h.engine->frameByteGapMs = 25;  // more than a frame may wait between two bytes
    ASSERT_TRUE(h.engine->StartReadId(true));
    ASSERT_EQ(h.NextPass().back(), (Notice{1, 0}));
    const auto lines = trace.Texts();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "sending whole frames, 20 ms between bytes");
    EXPECT_EQ(lines[2], "no USB latency timer on this port");
    EXPECT_TRUE(std::ranges::count(lines, "sent 00, echo 00") == 2) << "the pulses go as they did";
    EXPECT_TRUE(HasLine(trace.Lines(), "sent 81 21 F3 81 16 apart, echo 81 21 F3 81 16"));
    EXPECT_TRUE(
        HasLine(trace.Lines(), "sent 54 45 53 54 20 45 4E 44 01 apart, echo 54 45 53 54 20 45 4E 44 01"));
    // The pulses, then one line for each of the four frames: start, identification, stop, trailer.
    EXPECT_EQ(std::ranges::count_if(lines, [](const std::string& line) { return line.starts_with("sent "); }),
              6);
}

// A port that does not open is traced with its device, the system's own reason and what to do,
// never with an error number.
TEST(EngineTrace, AFailedOpenNamesThePortTheSystemsReasonAndTheRemedy)
{
    EngineHarness h;
    RecordingTrace trace;
    h.engine->traceSink = &trace;
    h.engine->describeOpenFailure = &operation::DescribeOpenFailure;
    h.portMap.Link("COM4", h.sim->SlavePath());
    platform::CommHandle holder = platform::DefaultSerialBackend().CreateFile("COM4", false);
    ASSERT_NE(holder, platform::kNullHandle);
    h.engine->portName = "COM4";
    ASSERT_TRUE(h.engine->StartReadId(false));
    ASSERT_EQ(h.NextPass().back(), (Notice{1, device::ResultPortError}));
    platform::DefaultSerialBackend().CloseHandle(holder);
    EXPECT_EQ(RecordingTrace::Text(trace.Lines().front()),
              "cannot open COM4 (" + h.sim->SlavePath() + "): " + std::strerror(EBUSY) +
                  ". Another program holds the port (a terminal program, a modem manager, another Probex): "
                  "close it and try again.");
}

TEST(EngineTrace, EndsWithTheStepAFailureHappenedIn)
{
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.silentFromFrame = 3;  // the first read
        EngineHarness h(options);
        h.engine->answerTimeoutMs = 50;
        RecordingTrace trace;
        h.engine->traceSink = &trace;
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartRead(buffer.data(), 0x10, 2, false));
        ASSERT_EQ(h.NextPass().back(), (Notice{1, 2}));
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()),
                  "result 2: answer time-out in the read of 0x10, byte 1 of the answer");
    }
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.noEcho = true;
        EngineHarness h(options);
        RecordingTrace trace;
        h.engine->traceSink = &trace;
        ASSERT_TRUE(h.engine->StartReadId(false));
        ASSERT_EQ(h.NextPass().back(), (Notice{1, 3}));
        const auto lines = trace.Lines();
        EXPECT_TRUE(HasLine(lines, "sent 00, no echo"));
        EXPECT_EQ(RecordingTrace::Text(lines.back()), "result 3: no echo for wake-up pulse 1");
    }
    {
        auto options = testsupport::ZeroGapSimOptions();
        options.refuseAnswer = 6;  // start, identification, then step 4 of the write of 0x40
        EngineHarness h(options);
        RecordingTrace trace;
        h.engine->traceSink = &trace;
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x40, 1, false));
        ASSERT_EQ(h.NextPass().back(), (Notice{1, 5}));
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()),
                  "result 5: refused (code 22) in the write of 0x40, step 4");
    }
}

TEST(EngineTrace, EveryConnectionEndsWithOneEndEventAfterItsResultLine)
{
    struct Case {
        const char* name;
        zaqsim::SimOptions sim;
        const char* port;  // the simulator's when empty
        bool stop;
        device::DeviceResult result;
        device::TraceStep step;
    };
    auto refusing = testsupport::ZeroGapSimOptions();
    refusing.refuseAnswer = 6;  // step 4 of the write of 0x40
    const Case cases[] = {
        {"good", testsupport::ZeroGapSimOptions(), "", false, device::ResultOk, device::TraceStep::Trailer},
        {"no port", testsupport::ZeroGapSimOptions(), "COM9", false, device::ResultPortError,
         device::TraceStep::None},
        {"refused", refusing, "", false, device::ResultRefused, device::TraceStep::Write},
        {"stopped", testsupport::ZeroGapSimOptions(), "", true, device::ResultStopped,
         device::TraceStep::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h(c.sim);
        RecordingTrace trace;
        h.engine->traceSink = &trace;
        if (*c.port)
            h.engine->portName = c.port;
        std::array<std::uint8_t, 256> buffer{};
        ASSERT_TRUE(h.engine->StartWrite(buffer.data(), 0x40, 1, false));
        if (c.stop)
            h.engine->RequestStop();
        ASSERT_EQ(h.NextPass().back(), (Notice{device::NotifyFinished, c.result}));

        const auto events = trace.Events();
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events.front(), "began");
        EXPECT_EQ(events[events.size() - 2], "line result " + std::to_string(c.result));
        EXPECT_EQ(events.back(), "ended");
        EXPECT_EQ(std::count(events.begin(), events.end(), "began"), 1);
        EXPECT_EQ(trace.Begins().at(0).portPath, *c.port ? "" : h.sim->SlavePath());
        const auto ends = trace.Ends();
        ASSERT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0].result, c.result);
        EXPECT_EQ(ends[0].refusalCode, c.result == device::ResultRefused ? zaqsim::kRefusalReason : 0);
        // The stopped connection may have been stopped before or after the device woke.
        if (!c.stop) {
            EXPECT_EQ(ends[0].place.step, c.step);
        }
        EXPECT_EQ(RecordingTrace::Text(trace.Lines().back()),
                  "result " + std::to_string(c.result) + ": " + device::DescribeEnd(ends[0]));
    }
}

}  // namespace
