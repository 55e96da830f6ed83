// SPDX-License-Identifier: GPL-3.0-or-later
// Registered message numbers and posting to the installed main window.
#include "platform/MessageRegistry.h"
#include "platform/MessageTarget.h"
#include "tests/support/RecordingMessageTarget.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <thread>
#include <vector>

using namespace platform;
using testsupport::RecordingMessageTarget;

namespace {

TEST(MessageRegistry, OneNumberPerNameInTheRegisteredRange)
{
    const std::uint32_t device = RegisterMessage("CDeviceZAQ_Message");
    EXPECT_GE(device, kFirstRegisteredMessage);
    EXPECT_LE(device, kLastRegisteredMessage);
    EXPECT_EQ(RegisterMessage("CDeviceZAQ_Message"), device);
    EXPECT_EQ(RegisterMessage("cdevicezaq_message"), device) << "names compare without case";
    const std::uint32_t other = RegisterMessage("CDumpEdit_Message");
    EXPECT_NE(other, device);
    EXPECT_GE(other, kFirstRegisteredMessage);
    EXPECT_EQ(RegisterMessage(""), 0u);
}

TEST(MessageRegistry, ThreadsRegisteringTheSameNamesAgree)
{
    std::vector<std::vector<std::uint32_t>> seen(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < seen.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 50; ++i)
                seen[t].push_back(RegisterMessage("Concurrent_" + std::to_string(i)));
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (size_t t = 1; t < seen.size(); ++t)
        EXPECT_EQ(seen[t], seen[0]);
    EXPECT_EQ(std::set<std::uint32_t>(seen[0].begin(), seen[0].end()).size(), seen[0].size());
}

TEST(MainWindowTarget, NothingIsPostedWithoutATarget)
{
    SetMainWindowTarget(nullptr);
    EXPECT_FALSE(PostToMainWindow(0xC000, 1, 0));
}

TEST(MainWindowTarget, PostsArriveInOrderFromAnyThread)
{
    std::vector<RecordingMessageTarget::Message> expected;
    {
        RecordingMessageTarget target;
        EXPECT_EQ(GetMainWindowTarget(), &target);
        std::thread worker([] {
            for (std::uintptr_t i = 0; i < 100; ++i)
                PostToMainWindow(0xC123, (i << 16) | 7, 0);
        });
        worker.join();
        EXPECT_TRUE(PostToMainWindow(0xC124, 5, -1));
        ASSERT_TRUE(target.WaitForCount(101));
        const auto messages = target.Messages();
        ASSERT_EQ(messages.size(), 101u);
        for (std::uintptr_t i = 0; i < 100; ++i)
            EXPECT_EQ(messages[i], (RecordingMessageTarget::Message{0xC123, (i << 16) | 7, 0}));
        EXPECT_EQ(messages[100], (RecordingMessageTarget::Message{0xC124, 5, -1}));
    }
    EXPECT_EQ(GetMainWindowTarget(), nullptr) << "the recording target removes itself";
    EXPECT_FALSE(PostToMainWindow(0xC123, 0, 0));
}

}  // namespace
