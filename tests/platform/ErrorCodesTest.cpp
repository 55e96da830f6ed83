// SPDX-License-Identifier: GPL-3.0-or-later
// Translation of errno values and the texts of the codes.
#include "platform/ErrorCodes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <thread>

using namespace platform;

namespace {

TEST(ErrorCodes, ErrnoValuesMapToTheirCodes)
{
    const std::pair<int, std::uint32_t> cases[] = {
        {0, kErrorSuccess},
        {ENOENT, kErrorFileNotFound},
        {ENODEV, kErrorFileNotFound},
        {ENXIO, kErrorFileNotFound},
        {EACCES, kErrorAccessDenied},
        {EPERM, kErrorAccessDenied},
        {EBUSY, kErrorAccessDenied},
        {EWOULDBLOCK, kErrorAccessDenied},
        {EBADF, kErrorInvalidHandle},
        {EINVAL, kErrorInvalidParameter},
        {EIO, kErrorIoDevice},
        {ETIMEDOUT, kErrorTimeout},
        {ENOTTY, kErrorInvalidFunction},
        {EPIPE, kErrorGenFailure},
        {ENOSPC, kErrorGenFailure},
    };
    for (const auto& [err, code] : cases)
        EXPECT_EQ(ErrorFromErrno(err), code) << "errno " << err;
}

TEST(ErrorCodes, EveryCodeTheTranslationProducesHasTheSystemsText)
{
    for (int err = 0; err < 200; ++err) {
        const std::uint32_t code = ErrorFromErrno(err);
        const auto text = ErrorText(code);
        ASSERT_TRUE(text.has_value()) << "code " << code << " from errno " << err;
        EXPECT_EQ(*text, std::strerror(ErrnoOfCode(code))) << code;
    }
    for (std::uint32_t code : {kErrorAlreadyInitialized, kErrorTimeout, kEInvalidArg, kErrorIoPending,
                               kErrorOperationAborted, kErrorIoIncomplete})
        EXPECT_TRUE(ErrorText(code).has_value()) << code;
    EXPECT_EQ(*ErrorText(kErrorAccessDenied), std::strerror(EACCES));
    EXPECT_EQ(*ErrorText(kErrorTimeout), std::strerror(ETIMEDOUT));
    EXPECT_FALSE(ErrorText(4242).has_value());
}

// EACCES and EBUSY share a code; the errno kept with the thread's last error tells them apart,
// and any other code stands for its closest errno.
TEST(ErrorCodes, TheErrnoBehindTheLastErrorIsKept)
{
    SetLastErrorFromErrno(EBUSY);
    EXPECT_EQ(GetLastError(), kErrorAccessDenied);
    EXPECT_EQ(SystemErrno(kErrorAccessDenied), EBUSY);
    EXPECT_EQ(SystemErrno(kErrorTimeout), ETIMEDOUT);
    SetLastError(kErrorAccessDenied);
    EXPECT_EQ(SystemErrno(kErrorAccessDenied), EACCES);
    SetLastErrorFromErrno(ENXIO);
    EXPECT_EQ(SystemErrno(GetLastError()), ENXIO);
}

TEST(ErrorCodes, LastErrorIsPerThread)
{
    SetLastError(kErrorTimeout);
    std::uint32_t seenThere = 1;
    std::thread other([&] {
        seenThere = GetLastError();
        SetLastError(kErrorIoDevice);
    });
    other.join();
    EXPECT_EQ(seenThere, 0u);
    EXPECT_EQ(GetLastError(), kErrorTimeout);
}

}  // namespace
