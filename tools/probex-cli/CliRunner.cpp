#include "tools/probex-cli/CliRunner.h"

#include "device/CDeviceZAQ.h"
#include "device/ZaqProtocol.h"
#include "platform/MessageTarget.h"
#include "res/DeviceResultText.h"
#include "res/RangeText.h"
#include "res/StringTable.h"
#include "tools/probex-cli/CliOptions.h"
#include "tools/probex-cli/DumpFile.h"
#include "tools/probex-cli/NotificationQueue.h"
#include "tools/probex-cli/StopSignals.h"
#include "tools/probex-cli/TraceQueue.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace probexcli {

namespace {

std::string ResultText(std::uint16_t result, std::uint8_t refusalCode)
{
    const std::string text = res::DeviceResultText(result, refusalCode);
    return text.empty() ? "Device error" : text;
}

struct DeviceOutcome {
    std::uint16_t result = device::ResultOk;
    std::uint8_t refusalCode = 0;
    // The engine's account of the range, copied before the engine goes.
    std::array<std::uint8_t, 256> byteState{};
    std::array<std::uint8_t, 256> readBack{};
};

// Installs the queue as the main window for as long as it lives.
class InstalledTarget {
public:
    explicit InstalledTarget(platform::MessageTarget& target) { platform::SetMainWindowTarget(&target); }
    ~InstalledTarget() { platform::SetMainWindowTarget(nullptr); }
};

// Runs the request on the engine and follows its notifications to the end of the pass.
DeviceOutcome RunDevice(const CliOptions& options, Dump& dump, CliIo& io, std::ostream* traceOut)
{
    TraceQueue trace;
    NotificationQueue queue(device::g_deviceZaqMessage);
    InstalledTarget installed(queue);
    device::CDeviceZAQ engine;
    engine.portName = options.port;
    engine.answerTimeoutMs = options.timeoutSeconds * 1000;
    engine.idText.clear();
    engine.verifyAfterWrite = options.verify;
    engine.writeChangedOnly = options.changedOnly;
    if (traceOut)
        engine.traceSink = &trace;
    if (io.prepareEngine)
        io.prepareEngine(engine);
    StartWorkerWithoutStopSignals(engine);

    const std::uint32_t count = options.last - options.first + 1;
    if (options.command == Command::ReadId)
        engine.StartReadId(options.lastOperation);
    else if (options.command == Command::Read)
        engine.StartRead(dump.data(), options.first, count, options.lastOperation);
    else if (options.command == Command::Compare)
        engine.StartCompare(dump.data(), options.first, count, options.lastOperation);
    else
        engine.StartWrite(dump.data(), options.first, count, options.lastOperation);
    const EngineStopOnSignal stopOnSignal(engine);

    std::uint32_t total = 0;
    std::uint32_t done = 0;
    bool progressShown = false;
    for (;;) {
        const std::uint32_t wParam = queue.Take();
        if (traceOut)
            trace.DrainTo(*traceOut);
        const std::uint16_t value = device::zaq::NotificationValue(wParam);
        switch (device::zaq::NotificationCode(wParam)) {
        case device::NotifyIdReady:
            io.out << engine.idText << std::endl;
            if (!io.out)  // standard output closed or failing: the ID is not lost unsaid
                io.err << "probex-cli: the ID text could not be written to standard output" << std::endl;
            break;
        case device::NotifyRangeBegin:
            total = value;
            done = 0;
            break;
        case device::NotifyByteDone:
            ++done;
            if (io.showProgress && total > 0) {
                io.err << '\r' << PercentComplete(done * 100 / total) << std::flush;
                progressShown = true;
            }
            break;
        case device::NotifyFinished: {
            if (progressShown)
                io.err << std::endl;
            DeviceOutcome outcome{value, engine.refusalCode};
            std::copy(std::begin(engine.byteState), std::end(engine.byteState), outcome.byteState.begin());
            std::copy(std::begin(engine.readBack), std::end(engine.readBack), outcome.readBack.begin());
            return outcome;
        }
        default:
            break;
        }
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliIo& io)
{
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, options, error)) {
        io.err << "probex-cli: " << error << "\nTry 'probex-cli --help'." << std::endl;
        return kExitUsage;
    }
    if (options.command == Command::Help) {
        io.out << CliHelp();
        return 0;
    }

    // FILE is checked, and loaded, before the device is touched.
    Dump dump{};
    DumpFile file(options.file);
    if (options.command != Command::ReadId) {
        const bool read = options.command == Command::Read;
        const DumpLoad load = file.Open(read, dump, error);
        if (load == DumpLoad::WrongSize) {
            io.err << res::LoadString(res::IDS_WRONG_FILE_SIZE) << std::endl;
            return kExitFile;
        }
        if (load == DumpLoad::Unusable || (load == DumpLoad::Missing && !read)) {
            io.err << "probex-cli: " << error << std::endl;
            return kExitFile;
        }
    }

    std::ofstream traceFile;
    std::ostream* traceOut = nullptr;
    if (options.tracePath == "-") {
        traceOut = &io.err;
    } else if (!options.tracePath.empty()) {
        traceFile.open(options.tracePath, std::ios::out | std::ios::trunc);
        if (!traceFile) {
            io.err << "probex-cli: " << options.tracePath << ": cannot write the trace" << std::endl;
            return kExitFile;
        }
        traceOut = &traceFile;
    }

    const DeviceOutcome outcome = RunDevice(options, dump, io, traceOut);
    const std::uint32_t count = options.last - options.first + 1;
    const bool write = options.command == Command::Write;
    if (outcome.result != device::ResultOk || StopSignalReceived()) {
        if (outcome.result != device::ResultOk)
            io.err << ResultText(outcome.result, outcome.refusalCode) << std::endl;
        if (write && outcome.result != device::ResultOk)
            io.err << res::WriteAccountText(outcome.byteState.data(), options.first, count) << std::endl;
        // A signal wins over the result it caused, and over a success that came just before it:
        // the user asked for the program to end, and FILE stays as it was.
        return StopSignalReceived() ? kExitSignal : outcome.result;
    }
    if (options.command == Command::Read && !file.Replace(dump, error)) {
        io.err << "probex-cli: " << error << std::endl;
        return kExitFile;
    }
    if (write && options.changedOnly) {
        const auto written = std::ranges::count_if(
            outcome.byteState, [](std::uint8_t state) { return (state & device::ByteWritten) != 0; });
        char line[160];
        std::snprintf(line, sizeof line, res::LoadString(res::IDS_WRITTEN_CHANGED).c_str(), unsigned(written),
                      unsigned(count));
        io.out << line << std::endl;
    }
    const std::vector<std::uint32_t> differing =
        res::DifferingAddresses(outcome.byteState.data(), options.first, count);
    if (options.command == Command::Compare)
        io.out << res::DifferenceCountText(differing, count) << std::endl;
    if (write)
        for (const std::uint32_t address : differing)
            io.err << res::VerifyDifferenceText(address, dump[address], outcome.readBack[address])
                   << std::endl;
    return differing.empty() ? 0 : kExitDifferences;
}

}  // namespace probexcli
