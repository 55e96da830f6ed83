// SPDX-License-Identifier: GPL-3.0-or-later
// CThreadEx, CEventEx and CAutoEventEx: start rules, cooperative stop, exit codes, event resets.
#include "device/CAutoEventEx.h"
#include "device/CEventEx.h"
#include "device/CExceptionEx.h"
#include "device/CThreadEx.h"
#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <thread>

namespace {

class FunctionThread : public device::CThreadEx {
public:
    explicit FunctionThread(std::function<std::uint32_t(FunctionThread&)> body) : body_(std::move(body)) {}
    ~FunctionThread() override
    {
        if (GetThreadHandle() != kNoThread)
            Terminate(0);
    }
    std::uint32_t Run() override { return body_(*this); }

private:
    std::function<std::uint32_t(FunctionThread&)> body_;
};

// Waits until the worker has ended by itself; exit codes are looked at without Terminate.
std::uint32_t ExitCodeWhenEnded(const device::CThreadEx& thread)
{
    std::uint32_t code = platform::kStillActive;
    while (thread.GetExitCode(code) && code == platform::kStillActive)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return code;
}

void ExpectThrows(const std::function<void()>& call, const std::string& context, const std::string& message,
                  std::uint32_t code)
{
    try {
        call();
        ADD_FAILURE() << "no exception";
    } catch (const device::CExceptionEx& e) {
        EXPECT_EQ(e.GetContext(), context);
        EXPECT_EQ(e.GetMessage(), message);
        EXPECT_EQ(e.GetCode(), code);
    }
}

TEST(ThreadLifecycle, SecondStartThrowsWhileRunningAndAfterRunEnded)
{
    device::CAutoEventEx release(false, "");
    FunctionThread thread([&](FunctionThread& self) {
        release.WaitEvent(platform::kInfinite, self.GetStopToken());
        return 7u;
    });
    EXPECT_EQ(thread.GetThreadHandle(), device::CThreadEx::kNoThread);
    std::uint32_t code = 0;
    EXPECT_FALSE(thread.GetExitCode(code));

    const device::CThreadEx::Handle handle = thread.Start();
    EXPECT_NE(handle, device::CThreadEx::kNoThread);
    EXPECT_EQ(thread.GetThreadHandle(), handle);
    ExpectThrows([&] { thread.Start(); }, "CThreadEx::Start()", "Thread already running", 0);

    release.SetEvent();
    EXPECT_EQ(ExitCodeWhenEnded(thread), 7u);
    ExpectThrows([&] { thread.Start(); }, "CThreadEx::Start()", "Thread already running", 0);
    EXPECT_EQ(thread.GetThreadHandle(), handle);
}

TEST(ThreadLifecycle, ExceptionLeavingRunEndsTheThreadWithExitCodeZero)
{
    FunctionThread throwing([](FunctionThread&) -> std::uint32_t { throw std::runtime_error("boom"); });
    throwing.Start();
    EXPECT_EQ(ExitCodeWhenEnded(throwing), 0u);

    FunctionThread throwingOwn(
        [](FunctionThread&) -> std::uint32_t { throw device::CExceptionEx("SetEvent()", 5u); });
    throwingOwn.Start();
    EXPECT_EQ(ExitCodeWhenEnded(throwingOwn), 0u);

    EXPECT_EQ(device::CThreadEx::ThreadEntry(nullptr), 0u);
}

TEST(ThreadLifecycle, TerminateWakesAWaitingBodyAndSetsTheExitCode)
{
    device::CAutoEventEx never(false, "");
    std::atomic<bool> waitReturned{false};
    FunctionThread thread([&](FunctionThread& self) {
        const bool signalled = never.WaitEvent(platform::kInfinite, self.GetStopToken());
        waitReturned = !signalled;
        return 1u;
    });
    const auto handle = thread.Start();
    thread.Terminate(42);
    EXPECT_TRUE(waitReturned);
    std::uint32_t code = 0;
    ASSERT_TRUE(thread.GetExitCode(code));
    EXPECT_EQ(code, 42u);
    EXPECT_EQ(thread.GetThreadHandle(), handle) << "the handle stays";
    thread.Terminate(5);  // ending an ended thread changes nothing
    thread.GetExitCode(code);
    EXPECT_EQ(code, 42u);
}

TEST(ThreadLifecycle, TerminateEndsABodyPollingTheStopRequest)
{
    std::atomic<int> passes{0};
    FunctionThread thread([&](FunctionThread& self) {
        while (!self.StopRequested())
            ++passes;
        return 0u;
    });
    thread.Start();
    while (passes == 0)
        std::this_thread::yield();
    thread.Terminate(3);
    EXPECT_TRUE(thread.StopRequested());
}

TEST(ThreadLifecycle, TerminateOfAFinishedThreadKeepsRunsExitCode)
{
    FunctionThread thread([](FunctionThread&) { return 9u; });
    thread.Start();
    ExitCodeWhenEnded(thread);
    thread.Terminate(1);
    std::uint32_t code = 0;
    thread.GetExitCode(code);
    EXPECT_EQ(code, 9u);
}

TEST(ThreadLifecycle, TerminateRefusesWithoutAThreadAndFromTheWorkerItself)
{
    FunctionThread idle([](FunctionThread&) { return 0u; });
    ExpectThrows([&] { idle.Terminate(0); }, "CThreadEx::Terminate()",
                 platform::ErrnoText(platform::ErrnoOfCode(platform::kErrorInvalidHandle)),
                 platform::kErrorInvalidHandle);

    std::atomic<std::uint32_t> caught{0};
    FunctionThread self([&](FunctionThread& me) {
        try {
            me.Terminate(0);
        } catch (const device::CExceptionEx& e) {
            caught = e.GetCode();
        }
        return 0u;
    });
    self.Start();
    ExitCodeWhenEnded(self);
    EXPECT_EQ(caught, platform::kErrorPossibleDeadlock);
}

TEST(ThreadLifecycle, DestroyingAStartedObjectStopsItsWorker)
{
    std::atomic<bool> ended{false};
    {
        device::CAutoEventEx never(false, "");
        FunctionThread thread([&](FunctionThread& self) {
            never.WaitEvent(platform::kInfinite, self.GetStopToken());
            ended = true;
            return 0u;
        });
        thread.Start();
    }
    EXPECT_TRUE(ended);
}

TEST(Events, AutoResetReleasesOneWaitForAnyNumberOfSignals)
{
    device::CAutoEventEx event(false, "");
    event.SetEvent();
    event.SetEvent();
    EXPECT_TRUE(event.WaitEvent(platform::kInfinite));
    EXPECT_FALSE(event.WaitEvent(0));
}

TEST(Events, InitialStateAndManualReset)
{
    device::CAutoEventEx initiallySet(true, "");
    EXPECT_TRUE(initiallySet.WaitEvent(0));
    EXPECT_FALSE(initiallySet.WaitEvent(0));

    device::CEventEx manual(true, false, "");
    EXPECT_FALSE(manual.WaitEvent(0));
    manual.SetEvent();
    EXPECT_TRUE(manual.WaitEvent(0));
    EXPECT_TRUE(manual.WaitEvent(10)) << "a manual-reset event stays signalled";
}

TEST(Events, InfiniteWaitReturnsWhenAnotherThreadSignals)
{
    device::CAutoEventEx event(false, "");
    std::thread signaller([&] { event.SetEvent(); });
    EXPECT_TRUE(event.WaitEvent(platform::kInfinite));
    signaller.join();
}

TEST(Events, FiniteWaitTimesOutWithFalse)
{
    device::CAutoEventEx event(false, "");
    EXPECT_FALSE(event.WaitEvent(0));
    EXPECT_FALSE(event.WaitEvent(15));
}

TEST(Events, StopRequestEndsAWaitWithFalseInsteadOfThrowing)
{
    device::CAutoEventEx event(false, "");
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(event.WaitEvent(platform::kInfinite, stop.get_token()));
    event.SetEvent();
    EXPECT_TRUE(event.WaitEvent(platform::kInfinite, std::stop_token()));
}

}  // namespace
