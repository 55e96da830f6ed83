// SPDX-License-Identifier: GPL-3.0-or-later
// A write's backup end to end: the operation layer and its engine against the simulated device
// over a real pseudo-terminal, the backups in a folder of the test's own.
#include <gtest/gtest.h>

#include "operation/BackupFiles.h"
#include "operation/Operation.h"
#include "operation/OperationSummary.h"
#include "tests/support/NotificationWait.h"
#include "tests/support/RecordingMessageTarget.h"
#include "tests/support/ShortEngineTiming.h"
#include "tests/support/TempDataHome.h"
#include "tests/support/TestSimulator.h"
#include "tests/support/ZaqFrames.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Image = std::array<std::uint8_t, 256>;
using testsupport::IsReadFrame;
using testsupport::IsWriteFrame;

Image ReadImage(const std::string& path)
{
    Image image{};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(image.data()), image.size());
    return image;
}

class OperationBackup : public ::testing::Test {
protected:
    OperationBackup()
    {
        for (int i = 0; i < 256; ++i)
            device_[i] = std::uint8_t(255 - i);
        sim_ = testsupport::StartSimulator(testsupport::ZeroGapSimOptions());
        sim_->Eeprom().Fill(device_);
        run_.SetEngineTiming(testsupport::ShortEngineTiming<operation::EngineTiming>());
        run_.StartWorker();
    }

    const operation::OperationRecord& Write(const Image& dump, operation::AddressRange range,
                                            bool changedOnly, bool backup = true)
    {
        operation::OperationRequest request;
        request.operation = device::OpWrite;
        request.port = sim_->SlavePath();
        request.timeoutMs = 1500;
        request.range = range;
        request.verify = true;
        request.changedOnly = changedOnly;
        request.backup = backup;
        sim_->Log().Clear();
        passes_.clear();
        EXPECT_TRUE(run_.Start(request, dump.data()));
        testsupport::TakeUntilFinished(
            target_, seen_, [&](const testsupport::RecordingMessageTarget::Message& m) {
                const device::DeviceNotification notification = run_.Follow(m.wParam);
                if (notification.code == device::NotifyPassBegin)
                    passes_.push_back(notification.value);
            });
        return run_.Record();
    }

    // Request frames the device got, in order, without the wake-up.
    std::vector<testsupport::Bytes> Frames() const
    {
        std::vector<testsupport::Bytes> frames;
        for (const zaqsim::WireFrame& frame : sim_->Log().Frames()) {
            if (frame.kind == zaqsim::FrameKind::Request)
                frames.push_back(frame.bytes);
        }
        return frames;
    }

    std::size_t Count(bool (*kind)(const testsupport::Bytes&)) const
    {
        const auto frames = Frames();
        return std::size_t(std::count_if(frames.begin(), frames.end(), kind));
    }

    std::vector<operation::BackupEntry> Backups() const
    {
        return operation::ListBackups(operation::DefaultBackupsRoot());
    }

    testsupport::TempDataHome home_;
    testsupport::RecordingMessageTarget target_;
    std::unique_ptr<zaqsim::Simulator> sim_;
    operation::Operation run_;  // its worker ends first
    std::size_t seen_ = 0;
    Image device_{};
    std::vector<std::uint16_t> passes_;
};

TEST_F(OperationBackup, AWriteStoresTheWholeEepromAsItWasBeforeWritingAndOnlyOncePerDevice)
{
    Image dump = device_;
    for (std::uint32_t a = 0x10; a < 0x20; ++a)
        dump[a] = std::uint8_t(a);
    const operation::OperationRecord first = Write(dump, {0x10, 0x10}, false);
    ASSERT_EQ(first.result, device::ResultOk);
    EXPECT_EQ(passes_,
              (std::vector<std::uint16_t>{device::PassBackup, device::PassWrite, device::PassVerify}));
    ASSERT_EQ(first.backup, operation::BackupState::Stored);
    EXPECT_EQ(ReadImage(first.backupPath), device_) << "the whole EEPROM, not only the range";
    EXPECT_EQ(first.backupBytes, device_);
    EXPECT_EQ(fs::path(first.backupPath).parent_path(),
              fs::path(home_.BackupsFolder()) / operation::BackupFolderName(first.idText, first.idBytes));
    EXPECT_EQ(sim_->Eeprom().Bytes(), dump);
    // Every address read before the first write step went out.
    const auto frames = Frames();
    const auto firstWrite = std::find_if(frames.begin(), frames.end(), IsWriteFrame);
    EXPECT_EQ(std::count_if(frames.begin(), firstWrite, IsReadFrame), 256);
    EXPECT_EQ(operation::BackupText(first), "Backup: " + first.backupPath);

    // The same device again: no second reading, no second file.
    dump[0x10] = 0xEE;
    const operation::OperationRecord second = Write(dump, {0x10, 0x01}, false);
    ASSERT_EQ(second.result, device::ResultOk);
    EXPECT_EQ(passes_, (std::vector<std::uint16_t>{device::PassWrite, device::PassVerify}));
    EXPECT_EQ(second.backup, operation::BackupState::Earlier);
    EXPECT_EQ(Count(IsReadFrame), 1u);
    EXPECT_EQ(Backups().size(), 1u);
    EXPECT_EQ(operation::StatusSummary(second).find("without a backup"), std::string::npos);

    // Asked to run without one, the write says so.
    const operation::OperationRecord third = Write(dump, {0x10, 0x01}, false, false);
    EXPECT_EQ(third.backup, operation::BackupState::Off);
    EXPECT_NE(operation::StatusSummary(third).find(", without a backup"), std::string::npos)
        << operation::StatusSummary(third);
}

TEST_F(OperationBackup, ABackupThatCannotBeStoredStopsTheWriteBeforeAnyByte)
{
    fs::create_directories(fs::path(home_.BackupsFolder()).parent_path());
    std::ofstream(home_.BackupsFolder()) << "a file where the folder belongs";
    Image dump{};
    const operation::OperationRecord record = Write(dump, {0, 256}, false);
    EXPECT_EQ(record.result, device::ResultBackupFailed);
    EXPECT_EQ(record.backup, operation::BackupState::Failed);
    EXPECT_NE(record.backupError.find(home_.BackupsFolder()), std::string::npos) << record.backupError;
    EXPECT_EQ(record.backupBytes, device_) << "read, though not stored";
    EXPECT_EQ(Count(IsWriteFrame), 0u);
    EXPECT_EQ(sim_->Eeprom().Bytes(), device_);
    EXPECT_EQ(Frames().back(), testsupport::kStopFrame) << "the connection is still closed cleanly";
    EXPECT_EQ(operation::WrittenCount(record), 0u);

    // Once the folder can be made, the next write backs up and writes.
    fs::remove(home_.BackupsFolder());
    EXPECT_EQ(Write(dump, {0, 256}, false).result, device::ResultOk);
    EXPECT_EQ(Backups().size(), 1u);
    EXPECT_EQ(sim_->Eeprom().Bytes(), dump);
}

TEST_F(OperationBackup, AChangedOnlyWriteComparesWithTheBackupInsteadOfReadingTwice)
{
    Image dump = device_;
    dump[0x05] = 0x00;
    dump[0x40] = 0x11;
    dump[0xF0] = 0x22;  // outside the range: not written
    const operation::OperationRecord record = Write(dump, {0x00, 0x80}, true);
    ASSERT_EQ(record.result, device::ResultOk);
    EXPECT_EQ(passes_,
              (std::vector<std::uint16_t>{device::PassBackup, device::PassWrite, device::PassVerify}));
    EXPECT_EQ(Count(IsReadFrame), 256u + 2u) << "the backup, then the verify of the two written";
    EXPECT_EQ(operation::WrittenCount(record), 2u);
    EXPECT_EQ(ReadImage(record.backupPath), device_);
    Image expected = device_;
    expected[0x05] = 0x00;
    expected[0x40] = 0x11;
    EXPECT_EQ(sim_->Eeprom().Bytes(), expected);
}

}  // namespace
