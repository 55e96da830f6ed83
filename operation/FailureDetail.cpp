// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/FailureDetail.h"

#include "device/ZaqProtocol.h"
#include "operation/FormatText.h"
#include "platform/ErrorCodes.h"

namespace operation {

namespace {

// A read of a write names the pass it served: the same address is read for the backup, to find
// the changed bytes and to verify.
res::ResourceId ReadStep(const OperationRecord& record)
{
    if (record.operation != device::OpWrite)
        return res::IDS_STEP_READ;
    switch (record.endPass) {
    case Pass::Backup:
        return res::IDS_STEP_BACKUP_READ;
    case Pass::Compare:
        return res::IDS_STEP_CHANGED_READ;
    case Pass::Verify:
        return res::IDS_STEP_VERIFY_READ;
    default:
        return res::IDS_STEP_READ;
    }
}

std::string StepText(const OperationRecord& record)
{
    const device::TracePlace& place = record.end.place;
    switch (place.step) {
    case device::TraceStep::None:
        return res::LoadString(res::IDS_STEP_OPENING);
    case device::TraceStep::Pulse1:
        return FormatText(res::IDS_STEP_PULSE, 1);
    case device::TraceStep::Pulse2:
        return FormatText(res::IDS_STEP_PULSE, 2);
    case device::TraceStep::Start:
        return res::LoadString(res::IDS_STEP_START);
    case device::TraceStep::Identify:
        return res::LoadString(res::IDS_STEP_IDENTIFY);
    case device::TraceStep::Read:
        return FormatText(ReadStep(record), unsigned(place.address));
    case device::TraceStep::Write:
        return FormatText(res::IDS_STEP_WRITE, place.writeStep, unsigned(place.address));
    case device::TraceStep::Stop:
        return res::LoadString(res::IDS_STEP_STOP);
    case device::TraceStep::Trailer:
        return res::LoadString(res::IDS_STEP_TRAILER);
    }
    return {};
}

// The byte sent or awaited when the connection ended; a wake-up pulse is a byte of its own.
std::string ByteText(const OperationRecord& record)
{
    const device::TracePlace& place = record.end.place;
    const bool pulse = place.step == device::TraceStep::Pulse1 || place.step == device::TraceStep::Pulse2;
    if (place.inAnswer)
        return FormatText(res::IDS_ANSWER_BYTE, place.answerByte, StepText(record));
    if (pulse || place.sentByte == 0)
        return StepText(record);
    return FormatText(res::IDS_SENT_BYTE, place.sentByte, StepText(record));
}

// A missing echo tells an adapter that never answered from a byte lost on a line that worked.
std::string NoEchoText(const OperationRecord& record)
{
    const std::string waited =
        FormatText(res::IDS_DETAIL_NO_ECHO, device::zaq::kEchoTimeoutMs / 1000.0, ByteText(record));
    const std::uint32_t echoes = record.end.echoes;
    const std::string before =
        echoes == 0 ? res::LoadString(res::IDS_DETAIL_ECHOED_NONE)
                    : FormatText(res::IDS_DETAIL_ECHOED_BEFORE, unsigned(echoes), echoes == 1 ? "" : "s");
    return waited + " " + before;
}

}  // namespace

std::string FailureDetail(const OperationRecord& record)
{
    switch (record.result) {
    case device::ResultOk:
    case device::ResultStopped:
    case device::ResultPortError:
    case device::ResultBackupFailed:
        return {};
    default:
        break;
    }
    // An adapter that went away ends the connection as a silent one would: the port tells them apart.
    if (const std::uint32_t error = record.end.portError; error != 0) {
        return FormatText(res::IDS_DETAIL_PORT_GONE, ByteText(record),
                          platform::ErrnoText(platform::SystemErrno(error)));
    }
    switch (record.result) {
    case device::ResultNoAdapter:
        return NoEchoText(record);
    case device::ResultLineError:
        return FormatText(res::IDS_DETAIL_CHANGED_ECHO, ByteText(record));
    case device::ResultAnswerTimeout:
        if (record.end.place.inAnswer)
            return FormatText(res::IDS_DETAIL_TIMEOUT, record.timeoutMs / 1000.0, ByteText(record));
        break;
    case device::ResultChecksumError:
        return FormatText(res::IDS_DETAIL_CHECKSUM, StepText(record));
    case device::ResultRefused:
        return FormatText(res::IDS_DETAIL_REFUSED, StepText(record));
    case device::ResultShortAnswer:
        return FormatText(res::IDS_DETAIL_SHORT, StepText(record));
    case device::ResultUnexpectedAnswer:
        return FormatText(res::IDS_DETAIL_OTHER_ANSWER, StepText(record));
    default:
        break;
    }
    // A result without a sentence of its own (an answer to another request among them) still
    // says where it happened.
    return FormatText(res::IDS_DETAIL_IN, StepText(record));
}

}  // namespace operation
