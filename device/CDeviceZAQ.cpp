// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CDeviceZAQ.h"

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <iterator>
#include <span>
#include <string>
#include <thread>
#include <variant>

#include "device/ZaqProtocol.h"
#include "platform/Clock.h"
#include "platform/ErrorCodes.h"
#include "platform/LatencyTimer.h"
#include "platform/MessageRegistry.h"
#include "platform/MessageTarget.h"
#include "platform/OpenFailure.h"
#include "platform/PortNames.h"
#include "platform/SerialTypes.h"

namespace device {

const std::uint32_t g_deviceZaqMessage = platform::RegisterMessage("CDeviceZAQ_Message");

namespace {

constexpr std::uint8_t kTrailer[] = {'T', 'E', 'S', 'T', ' ', 'E', 'N', 'D'};
constexpr std::uint32_t kPulseBaudNumerator = 10000;
constexpr std::uint8_t kByteSize = 8;

// " 81 21 F3": each byte in hex after a blank.
std::string HexBytes(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    char hex[4];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        text += hex;
    }
    return text;
}

}  // namespace

CDeviceZAQ::CDeviceZAQ() : requestEvent(false, "") {}

CDeviceZAQ::~CDeviceZAQ()
{
    // The worker may be waiting on requestEvent or using the port: it must be gone before
    // either is released, which happens as soon as this body returns.
    if (GetThreadHandle() != kNoThread)
        Terminate(0);
}

bool CDeviceZAQ::StartReadId(bool last)
{
    lastOperation = last;
    operation = OpReadId;
    stopWake_.Clear();
    stopAsked_.store(false);
    requestEvent.SetEvent();
    return true;
}

bool CDeviceZAQ::StartRead(std::uint8_t* buffer, std::uint32_t first, std::uint32_t length, bool last)
{
    return StartRange(OpRead, buffer, first, length, last);
}

bool CDeviceZAQ::StartWrite(std::uint8_t* buffer, std::uint32_t first, std::uint32_t length, bool last)
{
    return StartRange(OpWrite, buffer, first, length, last);
}

bool CDeviceZAQ::StartCompare(std::uint8_t* buffer, std::uint32_t first, std::uint32_t length, bool last)
{
    return StartRange(OpCompare, buffer, first, length, last);
}

bool CDeviceZAQ::StartRange(DeviceOperation kind, std::uint8_t* buffer, std::uint32_t first,
                            std::uint32_t length, bool last)
{
    if (!zaq::ClipRange(first, length))
        return false;
    start = first;
    count = length;
    data = buffer;
    lastOperation = last;
    operation = kind;
    stopWake_.Clear();
    stopAsked_.store(false);
    requestEvent.SetEvent();
    return true;
}

bool CDeviceZAQ::IsPortFree(const std::string& name) const
{
    return ProbePort(name) == 0;
}

void CDeviceZAQ::Notify(std::uint16_t code, std::uint32_t value)
{
    platform::PostToMainWindow(g_deviceZaqMessage, zaq::PackNotification(code, value), 0);
}

std::uint16_t CDeviceZAQ::ReceiveByte(std::uint8_t& destination, std::uint32_t timeoutMs)
{
    CDeadline deadline(timeoutMs);
    for (;;) {
        std::uint8_t byte = 0;
        std::uint32_t got = 0;
        Read(&byte, 1, &got, nullptr, kInfinite);
        if (got == 1) {
            destination = byte;
            return ResultOk;
        }
        // A stop request ends the wait as a missing byte would, so the connection unwinds.
        if (!deadline.Pending() || StopRequested())
            return ResultAnswerTimeout;
        // Sleeps in poll() until a byte, the deadline or a stop. A line that hung up, or one
        // that cannot be waited on, brings nothing more: the wait ends now.
        const std::uint32_t waited = WaitForInput(deadline.Until(), stopSignal_.Fd());
        if (waited != 0 && waited != platform::kErrorTimeout) {
            if (waited == platform::kErrorIoDevice)
                Trace("line hung up");
            tracePortError_ = waited;
            return ResultAnswerTimeout;
        }
    }
}

std::uint16_t CDeviceZAQ::SendByte(std::uint8_t value)
{
    // Bounded like the echo: a stopped or full output must not hold the connection for ever.
    if (const std::uint32_t error = Write(&value, 1, nullptr, nullptr, zaq::kEchoTimeoutMs)) {
        Trace("sent %02X: not sent (%s)", value, platform::ErrnoText(platform::SystemErrno(error)).c_str());
        tracePortError_ = error;
        return ResultNoAdapter;
    }
    std::uint8_t echo;
    if (ReceiveByte(echo, zaq::kEchoTimeoutMs) != ResultOk) {
        Trace("sent %02X, no echo", value);
        return ResultNoAdapter;
    }
    ++traceEchoes_;
    // A changed echo means the device may have taken another byte than the one we meant.
    if (echo != value) {
        Trace("sent %02X, echo %02X: changed", value, echo);
        return ResultLineError;
    }
    Trace("sent %02X, echo %02X", value, echo);
    return ResultOk;
}

std::uint16_t CDeviceZAQ::SendFrame(const std::uint8_t* bytes, std::size_t length)
{
    if (sendWholeFrames)
        return SendWholeFrame(bytes, length);
    for (std::size_t i = 0; i < length; ++i) {
        tracePlace_.sentByte = int(i) + 1;
        if (std::uint16_t result = SendByte(bytes[i]))
            return result;
    }
    return ResultOk;
}

void CDeviceZAQ::PauseBetweenBytes(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint16_t CDeviceZAQ::SendWholeFrame(const std::uint8_t* bytes, std::size_t length)
{
    const std::uint32_t gapMs = ByteGapMs();
    tracePlace_.sentByte = 1;
    // Bounded as a byte's sending is. Without a gap the driver gets the frame in one write.
    const std::size_t chunk = gapMs == 0 ? length : 1;
    for (std::size_t i = 0; i < length; i += chunk) {
        if (i != 0)
            PauseBetweenBytes(gapMs);
        std::uint32_t written = 0;
        const std::uint32_t error =
            Write(bytes + i, std::uint32_t(chunk), &written, nullptr, zaq::kEchoTimeoutMs);
        if (error != 0 || written != chunk) {
            // A short write without an error is the output not draining in time.
            const std::string why =
                error != 0 ? platform::ErrnoText(platform::SystemErrno(error)) : std::string("timed out");
            TraceFrame(bytes, length, nullptr, 0, (": not sent (" + why + ")").c_str());
            tracePortError_ = error;
            return ResultNoAdapter;
        }
    }
    // All the echoes first: one lost on the line shifts the rest, and is told by the last
    // one missing, not by a later one taken for it.
    std::uint8_t echoes[sizeof request + 1];
    for (std::size_t i = 0; i < length; ++i) {
        tracePlace_.sentByte = int(i) + 1;
        if (ReceiveByte(echoes[i], zaq::kEchoTimeoutMs) != ResultOk) {
            TraceFrame(bytes, length, echoes, i, ", then no echo");
            return ResultNoAdapter;
        }
        ++traceEchoes_;
    }
    for (std::size_t i = 0; i < length; ++i) {
        // A changed echo means the device may have taken another frame than the one we meant.
        if (echoes[i] != bytes[i]) {
            tracePlace_.sentByte = int(i) + 1;
            TraceFrame(bytes, length, echoes, length,
                       (": byte " + std::to_string(i + 1) + " changed").c_str());
            return ResultLineError;
        }
    }
    TraceFrame(bytes, length, echoes, length, "");
    return ResultOk;
}

std::uint16_t CDeviceZAQ::Transact(std::size_t neededData)
{
    const std::size_t length = zaq::RequestLength(request[0]);
    std::uint8_t frame[sizeof request + 1];
    std::copy(request, request + length, frame);
    frame[length] = zaq::FrameChecksum(request, length);
    tracePlace_.inAnswer = false;
    if (std::uint16_t result = SendFrame(frame, length + 1))
        return result;

    tracePlace_.inAnswer = true;
    tracePlace_.answerByte = 1;
    if (std::uint16_t result = ReceiveByte(answer[0], answerTimeoutMs))
        return result;
    // The long form's length sits in byte 3, so the header is taken before the length is known.
    const std::size_t header = zaq::IsLongAnswer(answer[0]) ? zaq::kLongAnswerHeader : 1;
    const auto receive = [this](std::size_t i) {
        tracePlace_.answerByte = int(i) + 1;
        const std::uint16_t result = ReceiveByte(answer[i], answerTimeoutMs);
        if (result != ResultOk)
            TraceAnswer("answer cut short:", i);
        return result;
    };
    for (std::size_t i = 1; i < header; ++i) {
        if (std::uint16_t result = receive(i))
            return result;
    }
    const std::size_t checksumAt = zaq::AnswerChecksumIndex(answer[0], header > 3 ? answer[3] : 0);
    for (std::size_t i = header; i <= checksumAt; ++i) {
        if (std::uint16_t result = receive(i))
            return result;
    }
    TraceAnswer("answer", checksumAt + 1);
    if (zaq::FrameChecksum(answer, checksumAt) != answer[checksumAt])
        return ResultChecksumError;
    const std::size_t first = zaq::AnswerDataIndex(answer[0]);
    if (checksumAt > first && answer[first] == zaq::kNegativeAnswer) {
        const std::size_t reason = first + zaq::kRefusalReasonData;
        refusalCode = reason < checksumAt ? answer[reason] : 0;
        return ResultRefused;
    }
    // What the request needs is taken from fixed positions: from a shorter answer they would
    // hold bytes left over from an earlier one. Every positive answer carries its service byte.
    if (checksumAt - first < std::max<std::size_t>(neededData, 1))
        return ResultShortAnswer;
    // A right checksum does not say whose answer this is: one meant for another request, or for
    // another address, would put its bytes where this request's belong.
    if (!zaq::AnswersRequest(request + zaq::kRequestDataIndex, answer + first))
        return ResultUnexpectedAnswer;
    std::this_thread::sleep_for(std::chrono::milliseconds(pauseAfterAnswerMs));
    return ResultOk;
}

bool CDeviceZAQ::WaitQuiet(CDeadline& deadline)
{
    return stopSignal_.SleepUntil(deadline.Until(), stopWake_) && !StopRequested() && !StopAsked();
}

void CDeviceZAQ::DiscardInput()
{
    // Bounded, so a line that never stops talking cannot hold the connection here.
    constexpr int kMaxChunks = 64;
    unsigned dropped = 0;
    for (int i = 0; i < kMaxChunks; ++i) {
        std::uint8_t chunk[64];
        std::uint32_t got = 0;
        if (Read(chunk, sizeof chunk, &got, nullptr, kInfinite) != 0 || got == 0)
            break;
        dropped += got;
    }
    if (dropped != 0)
        Trace("dropped %u stale bytes", dropped);
}

TraceBegin CDeviceZAQ::DescribeRequest() const
{
    TraceBegin begin;
    begin.time = std::chrono::system_clock::now();
    begin.operation = operation;
    begin.start = start;
    begin.count = count;
    if (operation == OpWrite) {
        // Asked for; a device already backed up by this sink is not read again (see WriteRange).
        begin.backup = backupSink != nullptr;
        begin.changedOnly = writeChangedOnly;
        begin.verify = verifyAfterWrite;
    }
    begin.portName = portName;
    begin.portPath = platform::PortTarget(portName);
    return begin;
}

void CDeviceZAQ::TraceResult(std::uint16_t result, bool woken)
{
    lastEnd =
        TraceEnd{result, refusalCode, tracePlace_, woken, traceLastByteDone_, tracePortError_, traceEchoes_};
    if (!traceSink)
        return;
    Trace("result %u: %s", unsigned(result), DescribeEnd(lastEnd).c_str());
    traceSink->ConnectionEnded(lastEnd);
}

void CDeviceZAQ::TraceLink()
{
    if (!traceSink)
        return;
    if (sendWholeFrames) {
        Trace("sending whole frames, %u ms between bytes", unsigned(ByteGapMs()));
    } else {
        Trace("sending byte by byte");
    }
    // Read after the port's first setting, which asked the driver for low latency.
    const auto path = platform::ResolvePortName(portName);
    const int latencyMs = std::holds_alternative<std::string>(path)
                              ? platform::ReadLatencyTimerMs(std::get<std::string>(path))
                              : -1;
    if (latencyMs < 0) {
        Trace("no USB latency timer on this port");
    } else if (latencyMs <= 1) {
        Trace("USB latency timer %d ms", latencyMs);
    } else {
        Trace("USB latency timer %d ms: low latency not granted, each echo may wait that long", latencyMs);
    }
}

void CDeviceZAQ::TraceLineFormat(std::uint32_t baud, const char* parity)
{
    Trace("line %u baud, 8 data bits, %s parity, 1 stop bit", unsigned(baud), parity);
}

void CDeviceZAQ::TraceAnswer(const char* label, std::size_t byteCount)
{
    if (traceSink)
        Trace("%s%s", label, HexBytes(answer, byteCount).c_str());
}

void CDeviceZAQ::TraceFrame(const std::uint8_t* bytes, std::size_t length, const std::uint8_t* echoes,
                            std::size_t echoed, const char* outcome)
{
    if (!traceSink)
        return;
    const char* how = ByteGapMs() == 0 ? "at once" : "apart";
    const std::string echoText = echoes ? ", echo" + HexBytes(echoes, echoed) : std::string();
    Trace("sent%s %s%s%s", HexBytes(bytes, length).c_str(), how, echoText.c_str(), outcome);
}

// NOLINTNEXTLINE(cert-dcl50-cpp): printf-style on purpose, its formats checked by the compiler
void CDeviceZAQ::Trace(const char* format, ...)
{
    if (!traceSink)
        return;
    char text[512];
    const int prefix =
        std::snprintf(text, sizeof text, "%6llu ms  ",
                      static_cast<unsigned long long>(platform::TickCount64() - traceStartMs_));
    va_list args;
    va_start(args, format);
    std::vsnprintf(text + prefix, sizeof text - std::size_t(prefix), format, args);
    va_end(args);
    traceSink->TraceLine(text);
}

std::uint16_t CDeviceZAQ::OpenConnection()
{
    SetHandshake(0);
    SetEventMask(0);
    // A zero pulse length would divide by zero; the shortest pulse stands in for it.
    const std::uint32_t pulseBaud = kPulseBaudNumerator / (pulseMs ? pulseMs : 1);
    SetLineFormat(pulseBaud, kByteSize, platform::kSpaceParity, platform::kOneStopBit);
    TraceLineFormat(pulseBaud, "space");
    // A late answer of an earlier connection would be taken as the first pulse's echo.
    DiscardInput();

    // Each quiet time counts from just before its pulse is written, echo wait included.
    CDeadline deadline(idleAfterPulse1Ms + pulseMs);
    tracePlace_.step = TraceStep::Pulse1;
    if (std::uint16_t result = SendByte(0x00))
        return result;
    if (!WaitQuiet(deadline))
        return StopAsked() ? ResultStopped : ResultAnswerTimeout;
    deadline.Set(idleAfterPulse2Ms + pulseMs);
    tracePlace_.step = TraceStep::Pulse2;
    if (std::uint16_t result = SendByte(0x00))
        return result;
    SetLineFormat(zaq::kFrameBaud, kByteSize, platform::kNoParity, platform::kOneStopBit);
    TraceLineFormat(zaq::kFrameBaud, "no");
    if (!WaitQuiet(deadline))
        return StopAsked() ? ResultStopped : ResultAnswerTimeout;

    request[0] = 0x81;
    request[3] = 0x81;
    tracePlace_.step = TraceStep::Start;
    return Transact();
}

std::uint16_t CDeviceZAQ::Identify()
{
    request[0] = 0x82;
    request[3] = 0x3C;
    request[4] = 0x00;
    tracePlace_.step = TraceStep::Identify;
    if (std::uint16_t result = Transact(kZaqProfile.IdAnswerData()))
        return result;
    idText = zaq::FormatIdText(answer);
    idBytes = zaq::IdBytes(answer);
    Notify(NotifyIdReady, 0);
    return ResultOk;
}

std::uint16_t CDeviceZAQ::RunPass(std::optional<DevicePass> pass, std::uint8_t need,
                                  const std::function<std::uint16_t(std::uint32_t)>& transferByte)
{
    return RunPassOver(start, count, pass, need, transferByte);
}

std::uint16_t CDeviceZAQ::RunPassOver(std::uint32_t first, std::uint32_t length,
                                      std::optional<DevicePass> pass, std::uint8_t need,
                                      const std::function<std::uint16_t(std::uint32_t)>& transferByte)
{
    std::uint32_t addresses[kZaqProfile.eepromBytes];
    std::uint32_t total = 0;
    for (std::uint32_t address = first; address < first + length && total < kZaqProfile.eepromBytes;
         ++address) {
        if ((byteState[address] & need) == need)
            addresses[total++] = address;
    }
    if (pass)
        Notify(NotifyPassBegin, *pass);
    Notify(NotifyRangeBegin, total);
    for (std::uint32_t i = 0; i < total; ++i) {
        // Only here, between bytes: a byte's write is never left with some of its steps sent.
        if (StopAsked())
            return ResultStopped;
        if (std::uint16_t result = transferByte(addresses[i]))
            return result;
        traceLastByteDone_ = addresses[i];
        Notify(NotifyByteDone, pass ? addresses[i] : 0);
    }
    Notify(NotifyRangeEnd, 0);
    return ResultOk;
}

std::uint16_t CDeviceZAQ::ReadByte(std::uint32_t address, std::uint8_t& value)
{
    request[0] = 0x84;
    request[3] = 0x23;
    request[4] = 0x00;
    request[5] = 0x81;
    request[6] = std::uint8_t(address);
    tracePlace_.step = TraceStep::Read;
    tracePlace_.address = address;
    const std::uint16_t result = Transact(zaq::kReadValueData + 1);
    if (result == ResultOk)
        value = answer[zaq::AnswerDataIndex(answer[0]) + zaq::kReadValueData];
    return result;
}

std::uint16_t CDeviceZAQ::WriteByte(std::uint32_t address)
{
    request[0] = 0x85;
    request[3] = 0x3D;
    request[4] = 0x00;
    request[5] = 0x00;
    // The device commits the byte only after the fourth step.
    const std::uint8_t steps[4][2] = {
        {0x63, data[address]}, {0x62, std::uint8_t(address)}, {0x61, 0x00}, {0x60, 0x10}};
    // What readBack held for this address no longer tells what the device holds.
    byteState[address] &= std::uint8_t(~(ByteRead | ByteDiffers));
    tracePlace_.step = TraceStep::Write;
    tracePlace_.address = address;
    tracePlace_.writeStep = 0;
    for (const auto& step : steps) {
        if (&step == &steps[3])
            byteState[address] |= ByteWriteCut;
        request[6] = step[0];
        request[7] = step[1];
        ++tracePlace_.writeStep;
        if (std::uint16_t result = Transact())
            return result;
    }
    byteState[address] = std::uint8_t((byteState[address] & ~ByteWriteCut) | ByteWritten);
    return ResultOk;
}

std::uint16_t CDeviceZAQ::ReadBackByte(std::uint32_t address)
{
    std::uint8_t value = 0;
    if (std::uint16_t result = ReadByte(address, value))
        return result;
    readBack[address] = value;
    byteState[address] |= ByteRead;
    if (value != data[address]) {
        byteState[address] |= ByteDiffers;
    } else {
        byteState[address] &= std::uint8_t(~ByteDiffers);
    }
    return ResultOk;
}

std::uint16_t CDeviceZAQ::ReadRange()
{
    return RunPass(std::nullopt, 0, [this](std::uint32_t address) {
        std::uint8_t value = 0;
        const std::uint16_t result = ReadByte(address, value);
        if (result == ResultOk)
            data[address] = value;
        return result;
    });
}

std::uint16_t CDeviceZAQ::CompareRange()
{
    return RunPass(PassCompare, 0, [this](std::uint32_t address) { return ReadBackByte(address); });
}

std::uint16_t CDeviceZAQ::BackUpEeprom(bool changedOnly)
{
    std::uint8_t bytes[kZaqProfile.eepromBytes] = {};
    const std::uint32_t size = std::min<std::uint32_t>(eepromSize, kZaqProfile.eepromBytes);
    const auto readByte = [&](std::uint32_t address) {
        if (changedOnly && address >= start && address < start + count) {
            const std::uint16_t result = ReadBackByte(address);
            bytes[address] = readBack[address];
            return result;
        }
        return ReadByte(address, bytes[address]);
    };
    if (std::uint16_t result = RunPassOver(0, size, PassBackup, 0, readByte))
        return result;
    Trace("backup of %u bytes handed over", unsigned(size));
    if (!backupSink->StoreBackup(idText, idBytes, std::span<const std::uint8_t>(bytes, size))) {
        Trace("backup not stored: nothing written");
        return ResultBackupFailed;
    }
    return ResultOk;
}

std::uint16_t CDeviceZAQ::WriteRange()
{
    const bool backedUp = backupSink && backupSink->WantsBackup(idText, idBytes);
    if (backedUp) {
        if (std::uint16_t result = BackUpEeprom(writeChangedOnly))
            return result;
    } else if (backupSink) {
        Trace("no backup: this device was backed up before");
    }
    if (writeChangedOnly) {
        // The backup has read the range already.
        if (!backedUp) {
            if (std::uint16_t result = CompareRange())
                return result;
        }
        for (std::uint32_t address = start; address < start + count; ++address) {
            if (byteState[address] & ByteDiffers)
                byteState[address] |= BytePlanned;
        }
    } else {
        for (std::uint32_t address = start; address < start + count; ++address)
            byteState[address] = BytePlanned;
    }
    // A plain write is the only pass of its connection, so it is not announced.
    const bool alone = !(backedUp || verifyAfterWrite || writeChangedOnly);
    const auto pass = alone ? std::nullopt : std::optional(PassWrite);
    const auto write = [this](std::uint32_t address) { return WriteByte(address); };
    if (std::uint16_t result = RunPass(pass, BytePlanned, write))
        return result;
    if (!verifyAfterWrite)
        return ResultOk;
    return RunPass(PassVerify, ByteWritten, [this](std::uint32_t address) { return ReadBackByte(address); });
}

std::uint16_t CDeviceZAQ::TransferForOperation()
{
    switch (operation) {
    case OpRead:
        return ReadRange();
    case OpWrite:
        return WriteRange();
    case OpCompare:
        return CompareRange();
    default:
        return ResultOk;
    }
}

std::uint16_t CDeviceZAQ::CloseConnection()
{
    request[0] = 0x81;
    request[3] = 0x82;
    tracePlace_.step = TraceStep::Stop;
    if (std::uint16_t result = Transact())
        return result;
    std::copy(std::begin(kTrailer), std::end(kTrailer), answer);
    answer[8] = lastOperation ? 0x01 : 0x00;
    tracePlace_.step = TraceStep::Trailer;
    tracePlace_.inAnswer = false;
    return SendFrame(answer, std::size(kTrailer) + 1);
}

std::uint32_t CDeviceZAQ::Run()
{
    // Wakes the waits in poll() when the engine is being destroyed.
    const std::stop_callback wakeWaits(GetStopToken(), [this] { stopSignal_.Raise(); });
    for (;;) {
        requestEvent.WaitEvent(kInfinite, GetStopToken());
        if (StopRequested())
            return 0;
        refusalCode = 0;
        openError = 0;
        openErrno = 0;
        std::fill(std::begin(byteState), std::end(byteState), std::uint8_t{0});
        traceStartMs_ = platform::TickCount64();
        tracePlace_ = TracePlace();
        traceLastByteDone_.reset();
        tracePortError_ = 0;
        traceEchoes_ = 0;
        if (traceSink)
            traceSink->ConnectionBegan(DescribeRequest());
        if (const std::uint32_t error = Open(portName, 0, 0, true)) {
            openError = error;
            openErrno = platform::SystemErrno(error);
            const platform::OpenFailure failure{portName, platform::DevicePathOf(portName), openErrno};
            Trace("cannot open %s",
                  describeOpenFailure ? describeOpenFailure(failure).c_str() : portName.c_str());
            TraceResult(ResultPortError, false);
            Notify(NotifyFinished, ResultPortError);
            continue;
        }
        Trace("opened %s", portName.c_str());
        TraceLink();
        Notify(NotifyOpened, 0);
        // A stop asked before the connection began leaves the device asleep.
        std::uint16_t result = StopAsked() ? std::uint16_t(ResultStopped) : OpenConnection();
        const bool connected = result == ResultOk;
        if (result == ResultOk)
            result = StopAsked() ? std::uint16_t(ResultStopped) : Identify();
        if (result == ResultOk)
            result = TransferForOperation();
        // A stopped connection, and one whose backup was not stored, is closed as a finished one
        // is, so the device is left clean.
        if (connected && (result == ResultOk || result == ResultStopped || result == ResultBackupFailed)) {
            if (std::uint16_t closing = CloseConnection())
                result = closing;
        }
        Close();
        // A connection cut short by the engine's destruction reports nothing: its receiver is
        // going away with it.
        if (StopRequested())
            return 0;
        TraceResult(result, connected);
        Notify(NotifyFinished, result);
    }
}

}  // namespace device
