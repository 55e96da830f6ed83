// SPDX-License-Identifier: GPL-3.0-or-later
// Port names, the port list, error texts and the stop flag on Windows.
#include "platform/ErrorCodes.h"
#include "platform/OpenFailure.h"
#include "platform/PortNames.h"
#include "platform/SerialPortList.h"
#include "platform/StopSignal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <windows.h>

using namespace platform;

namespace {

TEST(Win32PortNames, ComNamesOpenAsTheSystemsDevicesAndNothingElseIsAPort)
{
    const std::pair<const char*, const char*> opened[] = {
        {"COM3", "\\\\.\\COM3"},
        {"com10", "\\\\.\\COM10"},
        {"\\\\.\\COM4", "\\\\.\\COM4"},
    };
    for (const auto& [name, path] : opened) {
        EXPECT_EQ(DevicePathOf(name), path) << name;
        EXPECT_EQ(PortTarget(name), path) << name;
    }
    for (const char* name : {"COM0", "COM03", "/dev/ttyS0", "LPT1", "\\\\.\\"}) {
        const auto resolved = ResolvePortName(name);
        ASSERT_TRUE(std::holds_alternative<std::uint32_t>(resolved)) << name;
        EXPECT_EQ(std::get<std::uint32_t>(resolved), kErrorFileNotFound) << name;
    }
    EXPECT_TRUE(PortMapFolder().empty());
}

TEST(Win32PortList, PresentPortsSortedAsTextWithBusyOnesMarkedAndMissingOnesLeftOut)
{
    const std::map<std::string, int> probes = {
        {"COM1", 0}, {"COM2", ERROR_ACCESS_DENIED}, {"COM3", ERROR_FILE_NOT_FOUND}, {"COM10", 0}};
    const auto entries = ListPorts({"com2", "COM10", "COM1", "COM3", "COM1"},
                                   [&](const std::string& name) { return probes.at(name); });
    ASSERT_EQ(entries.size(), 3u);
    const std::pair<const char*, PortAvailability> expected[] = {{"COM1", PortAvailability::Free},
                                                                 {"COM10", PortAvailability::Free},
                                                                 {"COM2", PortAvailability::Busy}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].first);
        EXPECT_EQ(entries[i].comName, expected[i].first);
        EXPECT_EQ(entries[i].path, std::string("\\\\.\\") + expected[i].first);
        EXPECT_EQ(entries[i].availability, expected[i].second) << entries[i].name;
    }
}

TEST(Win32ErrorTexts, CodesReadAsTheSystemsTextAndNumber)
{
    const std::pair<std::uint32_t, const char*> numbered[] = {
        {ERROR_FILE_NOT_FOUND, " (2)"}, {ERROR_ACCESS_DENIED, " (5)"}, {kEInvalidArg, " (0x80070057)"}};
    for (const auto& [code, number] : numbered) {
        const auto text = ErrorText(code);
        ASSERT_TRUE(text.has_value()) << code;
        ASSERT_GT(text->size(), std::string(number).size() + 3) << *text;
        EXPECT_EQ(text->substr(text->size() - std::string(number).size()), number) << *text;
        EXPECT_EQ(ErrnoText(ErrnoOfCode(code)), *text);
        EXPECT_EQ(text->find('\n'), std::string::npos) << *text;
    }
    EXPECT_FALSE(ErrorText(0x0ABCDEF1).has_value());
    EXPECT_EQ(ErrnoText(0x0ABCDEF1), "Unknown error 180150001");
}

TEST(Win32ErrorTexts, TheCodeDecidesTheRemedy)
{
    const std::pair<DWORD, OpenFailureKind> cases[] = {
        {ERROR_ACCESS_DENIED, OpenFailureKind::Busy},
        {ERROR_SHARING_VIOLATION, OpenFailureKind::Busy},
        {ERROR_FILE_NOT_FOUND, OpenFailureKind::Missing},
        {ERROR_GEN_FAILURE, OpenFailureKind::Missing},
        {ERROR_INVALID_FUNCTION, OpenFailureKind::NotSerial},
        {ERROR_NOT_ENOUGH_MEMORY, OpenFailureKind::Other},
    };
    for (const auto& [code, kind] : cases)
        EXPECT_EQ(ExplainOpenFailure(int(code)).kind, kind) << code;
}

TEST(Win32StopSignal, SleepsUntilTheTimeUnlessEitherFlagIsRaised)
{
    using Clock = std::chrono::steady_clock;
    StopSignal stop;
    StopSignal other;
    EXPECT_TRUE(stop.SleepUntil(Clock::now() + std::chrono::milliseconds(20), other));
    other.Raise();
    EXPECT_FALSE(stop.SleepUntil(Clock::now() + std::chrono::seconds(20), other));
    stop.Raise();
    EXPECT_TRUE(stop.IsRaised());
    EXPECT_FALSE(stop.SleepUntil(Clock::now() + std::chrono::seconds(20)));
    stop.Clear();
    EXPECT_FALSE(stop.IsRaised());
}

}  // namespace
