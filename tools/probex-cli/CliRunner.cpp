#include "tools/probex-cli/CliRunner.h"

#include "device/CDeviceZAQ.h"
#include "device/ZaqProtocol.h"
#include "platform/MessageTarget.h"
#include "res/DeviceResultText.h"
#include "res/StringTable.h"
#include "tools/probex-cli/CliOptions.h"
#include "tools/probex-cli/DumpFile.h"
#include "tools/probex-cli/NotificationQueue.h"
#include "tools/probex-cli/TraceQueue.h"

#include <fstream>

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
    if (traceOut)
        engine.traceSink = &trace;
    if (io.prepareEngine)
        io.prepareEngine(engine);
    engine.Start();

    const std::uint32_t count = options.last - options.first + 1;
    if (options.command == Command::ReadId)
        engine.StartReadId(options.lastOperation);
    else if (options.command == Command::Read)
        engine.StartRead(dump.data(), options.first, count, options.lastOperation);
    else
        engine.StartWrite(dump.data(), options.first, count, options.lastOperation);

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
        case device::NotifyFinished:
            if (progressShown)
                io.err << std::endl;
            return {value, engine.refusalCode};
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
    if (outcome.result != device::ResultOk) {
        io.err << ResultText(outcome.result, outcome.refusalCode) << std::endl;
        return outcome.result;
    }
    if (options.command == Command::Read && !file.Replace(dump, error)) {
        io.err << "probex-cli: " << error << std::endl;
        return kExitFile;
    }
    return 0;
}

}  // namespace probexcli
