// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/probex-cli/CliRunner.h"

#include "operation/AdapterCheckRun.h"
#include "operation/BackupFiles.h"
#include "operation/DumpComparison.h"
#include "operation/FormatText.h"
#include "operation/Operation.h"
#include "operation/OperationSummary.h"
#include "operation/OutcomeLines.h"
#include "operation/RangeText.h"
#include "platform/MessageTarget.h"
#include "platform/SerialPortList.h"
#include "platform/StopSignal.h"
#include "res/StringTable.h"
#include "tools/probex-cli/CliOptions.h"
#include "tools/probex-cli/DumpFile.h"
#include "tools/probex-cli/NotificationQueue.h"
#include "tools/probex-cli/StopSignals.h"
#include "tools/probex-cli/TraceFile.h"
#include "tools/probex-cli/TraceQueue.h"

#include <algorithm>

namespace probexcli {

namespace {

device::DeviceOperation OperationOf(Command command)
{
    switch (command) {
    case Command::Read:
        return device::OpRead;
    case Command::Write:
        return device::OpWrite;
    case Command::Compare:
        return device::OpCompare;
    default:
        return device::OpReadId;
    }
}

// Installs the queue as the main window for as long as it lives.
class InstalledTarget {
public:
    explicit InstalledTarget(platform::MessageTarget& target) { platform::SetMainWindowTarget(&target); }
    ~InstalledTarget() { platform::SetMainWindowTarget(nullptr); }
};

// Runs the request on the engine and follows its notifications to the end of the pass.
operation::OperationRecord RunDevice(const CliOptions& options, const Dump& dump, CliIo& io,
                                     std::ostream* traceOut)
{
    TraceQueue trace;
    NotificationQueue queue(operation::Operation::PostedMessage());
    InstalledTarget installed(queue);
    operation::Operation run;
    if (traceOut)
        run.SetTraceSink(&trace);
    operation::OperationRequest request;
    request.operation = OperationOf(options.command);
    request.port = options.port;
    request.timeoutMs = options.timeoutSeconds * 1000;
    if (options.command != Command::ReadId && options.command != Command::Backups) {
        request.range = operation::RequestRange(options.first, options.last - options.first + 1);
    }
    request.verify = options.verify;
    request.changedOnly = options.changedOnly;
    request.backup = options.backup;
    request.wholeFrames = options.wholeFrames;
    request.byteGapMs = options.byteGapMs;
    request.lastOperation = options.lastOperation;
    if (io.engineTiming)
        run.SetEngineTiming(*io.engineTiming);
    StartWorkerWithoutStopSignals(run);
    run.Start(request, dump.data());
    const OperationStopOnSignal stopOnSignal(run);

    bool progressShown = false;
    for (;;) {
        const std::uint32_t wParam = queue.Take();
        if (traceOut)
            trace.DrainTo(*traceOut);
        switch (run.Follow(wParam).code) {
        case device::NotifyIdReady:
            // A failure (standard output closed, a reader gone) is told once the connection is over.
            io.out << run.IdText() << std::endl;
            break;
        case device::NotifyByteDone:
            if (io.showProgress && run.Progress().Total() > 0) {
                io.err << '\r' << operation::PercentText(run.Progress().Percent()) << std::flush;
                progressShown = true;
            }
            break;
        case device::NotifyFinished:
            if (progressShown)
                io.err << std::endl;
            return run.Record();
        default:
            break;
        }
    }
}

// All the backups, or only those of `folders`.
void ListBackups(const std::vector<std::string>& folders, std::ostream& out)
{
    for (const operation::BackupEntry& entry :
         operation::ListBackups(operation::DefaultBackupsRoot(), folders))
        out << entry.path << '\n';
    out << std::flush;
}

// Scripts read these lines: the same words in every language.
std::string AvailabilityText(platform::PortAvailability availability)
{
    switch (availability) {
    case platform::PortAvailability::Busy:
        return res::LoadUntranslatedString(res::IDS_PORT_BUSY);
    case platform::PortAvailability::NoAccess:
        return res::LoadUntranslatedString(res::IDS_PORT_NO_ACCESS);
    case platform::PortAvailability::Free:
        break;
    }
    return {};
}

int ListPorts(CliIo& io)
{
    const std::vector<platform::PortEntry> ports = platform::ListPorts();
    for (const platform::PortEntry& port : ports) {
        io.out << (port.comName.empty() ? "-" : port.comName) << "  " << port.path << "  "
               << (port.description.empty() ? "-" : port.description);
        if (const std::string availability = AvailabilityText(port.availability); !availability.empty())
            io.out << "  " << availability;
        io.out << '\n';
    }
    io.out << std::flush;
    if (ports.empty())
        io.err << res::LoadString(res::IDS_CLI_NO_PORTS) << std::endl;
    return 0;
}

// The adapter check; the exit status, or -1 when it passed and the device is to be woken next.
int CheckAdapter(const CliOptions& options, CliIo& io)
{
    platform::StopSignal stop;
    const StopSignalRaises stopOnSignal(stop);
    const operation::AdapterCheckOutcome check = operation::RunAdapterCheck(options.port, stop.Fd());
    io.out << check.report << std::flush;
    if (StopSignalReceived())
        return kExitSignal;
    switch (check.verdict) {
    case device::AdapterVerdict::CannotOpen:
        io.err << check.openFailure << std::endl;
        return device::ResultPortError;
    case device::AdapterVerdict::Echoes:
        return options.wake ? -1 : 0;
    default:
        return device::ResultNoAdapter;
    }
}

// Loads FILE for a command that only reads it; false, said on stderr, when it is no dump.
bool LoadDump(DumpFile& file, Dump& dump, CliIo& io)
{
    std::string error;
    switch (file.Open(false, dump, error)) {
    case DumpLoad::Loaded:
        return true;
    case DumpLoad::WrongSize:
        io.err << res::LoadString(res::IDS_WRONG_FILE_SIZE) << '\n' << error << std::endl;
        return false;
    default:
        io.err << operation::FormatText(res::IDS_CLI_ERROR, error) << std::endl;
        return false;
    }
}

// diff: the addresses at which two dumps differ, as compare prints them.
int DiffFiles(const CliOptions& options, CliIo& io)
{
    Dump dump{};
    Dump other{};
    DumpFile file(options.file);
    DumpFile otherFile(options.otherFile);
    if (!LoadDump(file, dump, io) || !LoadDump(otherFile, other, io))
        return kExitFile;
    const std::vector<std::uint32_t> differing = operation::DumpDifferences(dump, other);
    io.out << operation::DifferenceCountText(differing, operation::kEepromBytes) << std::endl;
    if (!io.out) {
        io.err << res::LoadString(res::IDS_CLI_RESULT_LOST) << std::endl;
        return kExitOutput;
    }
    return differing.empty() ? 0 : kExitDifferences;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliIo& io)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, options, error)) {
        io.err << operation::FormatText(res::IDS_CLI_USAGE_ERROR, error) << std::endl;
        return kExitUsage;
    }
    if (options.command == Command::Help || options.command == Command::Version) {
        io.out << (options.command == Command::Help ? CliHelp() : CliVersion());
        return 0;
    }
    if (options.command == Command::Ports)
        return ListPorts(io);
    if (options.command == Command::Diff)
        return DiffFiles(options, io);
    if (options.command == Command::Check) {
        if (const int status = CheckAdapter(options, io); status >= 0)
            return status;
        options.command = Command::ReadId;
    }

    if (options.command == Command::Backups && options.port.empty()) {
        ListBackups({}, io.out);
        if (io.out)
            return 0;
        io.err << res::LoadString(res::IDS_CLI_LIST_LOST) << std::endl;
        return kExitOutput;
    }

    // FILE is checked, and loaded, before the device is touched.
    Dump dump{};
    DumpFile file(options.file);
    if (options.command != Command::ReadId && options.command != Command::Backups) {
        const bool read = options.command == Command::Read;
        const DumpLoad load = file.Open(read, dump, error);
        if (load == DumpLoad::WrongSize) {
            io.err << res::LoadString(res::IDS_WRONG_FILE_SIZE) << '\n' << error << std::endl;
            return kExitFile;
        }
        if (load == DumpLoad::Unusable || (load == DumpLoad::Missing && !read)) {
            io.err << operation::FormatText(res::IDS_CLI_ERROR, error) << std::endl;
            return kExitFile;
        }
    }

    TraceFile trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath, file.Target(), io.err, error)) {
        io.err << operation::FormatText(res::IDS_CLI_ERROR, error) << std::endl;
        return kExitFile;
    }

    const operation::OperationRecord outcome = RunDevice(options, dump, io, trace.Stream());
    // Output that was promised and could not be written is told now, after the clean close.
    bool outputLost = false;
    if (!io.out) {
        io.err << res::LoadString(res::IDS_CLI_ID_LOST) << std::endl;
        outputLost = true;
    }
    if (!trace.Finish(error)) {
        io.err << operation::FormatText(res::IDS_CLI_ERROR, error) << std::endl;
        outputLost = true;
    }
    // FILE keeps its old bytes when a read fails: the lines name none of the new ones.
    const operation::OutcomeLines lines = operation::DescribeOutcome(outcome, false);
    if (!lines.backupStored.empty())
        io.err << lines.backupStored << std::endl;
    if (outcome.result != device::ResultOk || StopSignalReceived()) {
        if (outcome.result != device::ResultOk) {
            io.err << (lines.result.empty() ? res::LoadString(res::IDS_CLI_DEVICE_ERROR) : lines.result)
                   << std::endl;
        }
        for (const std::string& detail : lines.details)
            io.err << detail << std::endl;
        // A signal wins over the result it caused, and over a success that came just before it:
        // the user asked for the program to end, and FILE stays as it was.
        if (StopSignalReceived())
            return kExitSignal;
        return outcome.result == device::ResultBackupFailed ? kExitFile : outcome.result;
    }
    if (options.command == Command::Read) {
        std::copy_n(outcome.data.begin() + outcome.start, outcome.count, dump.begin() + outcome.start);
        if (!file.Replace(dump, error)) {
            io.err << operation::FormatText(res::IDS_CLI_ERROR, error) << std::endl;
            return kExitFile;
        }
    }
    if (!lines.found.empty())
        io.out << lines.found << std::endl;
    if (options.command == Command::Backups)
        ListBackups(operation::DeviceBackupFolders(outcome.idText, outcome.idBytes), io.out);
    if (!outputLost && !io.out) {
        io.err << res::LoadString(res::IDS_CLI_RESULT_LOST) << std::endl;
        outputLost = true;
    }
    // The differences only: the exit status says that there are some.
    for (const std::string& line : lines.verifyLines)
        io.err << line << std::endl;
    if (outputLost)
        return kExitOutput;
    return operation::Differences(outcome).empty() ? 0 : kExitDifferences;
}

}  // namespace probexcli
