// SPDX-License-Identifier: GPL-3.0-or-later
// The dump document with its engine talking to the simulated adapter and device over a
// pseudo-terminal mapped as COM3. The test thread plays the user-interface thread: it hands
// each posted notification to the document, as the main frame does.
#include "app/CProbexDoc.h"
#include "app/ViewHint.h"
#include "device/ZaqProtocol.h"
#include "operation/BackupFiles.h"
#include "tests/app/support/CRecordingView.h"
#include "tests/app/support/CScriptedPrompts.h"
#include "tests/app/support/QtTestApplication.h"

#include "tests/support/NotificationWait.h"
#include "tests/support/RecordingMessageTarget.h"
#include "tests/support/ShortEngineTiming.h"
#include "tests/support/TempPortMap.h"
#include "tests/support/TestSimulator.h"
#include "tools/zaq-sim/Simulator.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <vector>

using namespace app;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Hints = std::vector<std::uint32_t>;
using Image = std::array<std::uint8_t, 256>;

constexpr char kPort[] = "COM3";
constexpr std::uint32_t kTimeoutMs = 2000;
const QString kLastOperation = "This is a last operation?";
const std::string kIdText = "MB: 0A1 B2C 3D 4E 2211 4433";

Image Pattern()
{
    Image image;
    for (int i = 0; i < 256; ++i)
        image[i] = static_cast<std::uint8_t>(0xA5 ^ (i * 13));
    return image;
}

Bytes Dump(const CProbexDoc& document)
{
    return Bytes(document.dumpData.get(), document.dumpData.get() + document.dumpSize);
}

// A view that keeps the group-box caption as the form view does.
class CCaptionView : public CRecordingView {
public:
    void OnUpdate(std::uint32_t hint) override
    {
        if ((hint == HintReload || hint == HintShowId) && GetDocument())
            caption = static_cast<CProbexDoc*>(GetDocument())->GetIdText();
        if (hint == HintRepaint && GetDocument())
            repainted.push_back(static_cast<CProbexDoc*>(GetDocument())->LastByteDone());
        CRecordingView::OnUpdate(hint);
    }
    std::string caption;
    std::vector<std::uint32_t> repainted;  // the byte named with each HintRepaint
};

class ProbexDocument : public ::testing::Test {
protected:
    void SetUp() override { EnsureQApplication(); }

    void Start(zaqsim::SimOptions options = {})
    {
        options.linkName = kPort;
        sim_ = testsupport::StartSimulator(testsupport::ZeroGapSimOptions(std::move(options)));
        document_ = std::make_unique<CProbexDoc>();
        document_->GetOperation().SetEngineTiming(testsupport::ShortEngineTiming<operation::EngineTiming>());
        document_->AddView(&view_);
        ASSERT_TRUE(document_->OnNewDocument());
    }

    void TearDown() override
    {
        document_.reset();
        sim_.reset();
    }

    // Hands the notifications to the document until the one that ends the pass.
    void DeliverUntilFinished()
    {
        testsupport::TakeUntilFinished(
            target_, delivered_, [&](const auto& message) { document_->OnDeviceMessage(message.wParam); });
    }

    // Request frames and trailers the device saw, the trailer last.
    std::vector<Bytes> Trailers() const
    {
        std::vector<Bytes> trailers;
        for (const auto& frame : sim_->Log().Frames()) {
            if (frame.kind == zaqsim::FrameKind::Trailer)
                trailers.push_back(frame.bytes);
        }
        return trailers;
    }

    void WriteFile(const QString& path, const QByteArray& contents)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(contents), contents.size());
    }

    testsupport::TempPortMap portMap_;
    testsupport::RecordingMessageTarget target_;
    std::unique_ptr<zaqsim::Simulator> sim_;
    CScriptedPrompts prompts_;
    CCaptionView view_;
    std::unique_ptr<CProbexDoc> document_;
    std::size_t delivered_ = 0;
    QTemporaryDir dir_;
};

TEST_F(ProbexDocument, NewDumpIsZeroedUnnamedUnmodifiedAndStartsTheWorkerOnce)
{
    Start();
    EXPECT_EQ(document_->dumpSize, 256u);
    EXPECT_EQ(Dump(*document_), Bytes(256, 0));
    EXPECT_EQ(document_->GetTitle(), "No file");
    EXPECT_FALSE(document_->IsModified());
    EXPECT_EQ(document_->GetIdText(), "");

    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadId(kPort, kTimeoutMs);
    DeliverUntilFinished();
    EXPECT_EQ(document_->GetIdText(), kIdText);

    document_->dumpData[7] = 0x77;
    document_->SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::No);  // do not save
    ASSERT_TRUE(document_->OnFileNew());
    EXPECT_EQ(Dump(*document_), Bytes(256, 0));
    EXPECT_EQ(document_->GetIdText(), "");
    EXPECT_EQ(view_.caption, "");
}

TEST_F(ProbexDocument, SavedDumpIsTheRawImageAndOpensBackUnchanged)
{
    Start();
    const Image image = Pattern();
    std::ranges::copy(image, document_->dumpData.get());
    document_->SetModifiedFlag();
    const QString path = dir_.filePath("eeprom");
    prompts_.QueueFileName(path);
    ASSERT_TRUE(document_->OnFileSave());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray contents = saved.readAll();
    EXPECT_EQ(Bytes(contents.begin(), contents.end()), Bytes(image.begin(), image.end()));

    ASSERT_TRUE(document_->OnFileNew());
    const std::uint8_t* buffer = document_->dumpData.get();
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadId(kPort, kTimeoutMs);  // opening does not clear the ID
    DeliverUntilFinished();
    prompts_.prompts.clear();
    view_.hints.clear();
    ASSERT_TRUE(document_->OpenDocumentFile(path));
    EXPECT_EQ(Dump(*document_), Bytes(image.begin(), image.end()));
    EXPECT_EQ(document_->dumpData.get(), buffer);
    EXPECT_EQ(document_->GetTitle(), "eeprom");
    EXPECT_FALSE(document_->IsModified());
    EXPECT_EQ(view_.hints, (Hints{CRecordingView::kInitialUpdate, HintReload}));
    EXPECT_EQ(view_.caption, kIdText);
    EXPECT_TRUE(prompts_.MessageTexts().empty());
}

TEST_F(ProbexDocument, FileOfAnotherSizeIsRefusedAndTheDocumentKept)
{
    Start();
    const QString good = dir_.filePath("good");
    WriteFile(good, QByteArray(256, '\x3C'));
    ASSERT_TRUE(document_->OpenDocumentFile(good));
    document_->SetModifiedFlag();
    for (int size : {255, 257, 1, 512}) {
        SCOPED_TRACE(size);
        const QString path = dir_.filePath(QString("size%1").arg(size));
        WriteFile(path, QByteArray(size, '\x11'));
        prompts_.prompts.clear();
        view_.hints.clear();
        prompts_.QueueAnswer(MessageAnswer::No);  // not saving the changes first
        EXPECT_FALSE(document_->OpenDocumentFile(path));
        const QString detail =
            QString("size%1 holds %1 byte%2; a dump holds 256.").arg(size).arg(size == 1 ? "" : "s");
        EXPECT_EQ(prompts_.MessageTexts(),
                  (std::vector<QString>{"Save changes to good?", "Wrong file size!\n" + detail}));
        EXPECT_EQ(prompts_.prompts.back().buttons, MessageButtons::Ok);
        EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Error);
        EXPECT_EQ(Dump(*document_), Bytes(256, 0x3C));
        // The document stays as it was, so Save cannot overwrite the refused file.
        EXPECT_EQ(document_->GetTitle(), "good");
        EXPECT_EQ(document_->GetPathName(), QFileInfo(good).absoluteFilePath());
        EXPECT_TRUE(document_->IsModified());
        EXPECT_TRUE(view_.hints.empty());
        EXPECT_EQ(QFileInfo(path).size(), size);
    }

    const QString empty = dir_.filePath("empty");
    WriteFile(empty, QByteArray());
    document_->SetModifiedFlag(false);
    prompts_.prompts.clear();
    ASSERT_TRUE(document_->OpenDocumentFile(empty));
    EXPECT_TRUE(prompts_.prompts.empty());
    EXPECT_EQ(Dump(*document_), Bytes(256, 0x3C));
}

TEST_F(ProbexDocument, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    Start();
    const QString path = dir_.filePath("eeprom");
    WriteFile(path, QByteArray(256, '\x42'));
    ASSERT_TRUE(document_->OpenDocumentFile(path));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));  // a folder now stands where the file was
    document_->dumpData[0] = 0x01;
    document_->SetModifiedFlag();
    EXPECT_FALSE(document_->OnFileSave());
    ASSERT_EQ(prompts_.MessageTexts().size(), 1u);
    EXPECT_TRUE(
        prompts_.MessageTexts()[0].startsWith("Failed to save document.\nFailed to save " + path + ": "));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(document_->IsModified());
}

TEST_F(ProbexDocument, ReadRangeZeroesExactlyTheRangeThenFillsItFromTheDevice)
{
    Start();
    const Image image = Pattern();
    sim_->Eeprom().Fill(image);
    std::fill_n(document_->dumpData.get(), 256, std::uint8_t{0xEE});
    Bytes seenAtQuestion, seenAtStart;
    prompts_.onPrompt = [&](const CScriptedPrompts::Prompt&) { seenAtQuestion = Dump(*document_); };
    view_.onUpdate = [&](std::uint32_t hint) {
        if (hint == HintShowId && seenAtStart.empty())
            seenAtStart = Dump(*document_);
    };
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 0x10, 16);
    DeliverUntilFinished();

    EXPECT_EQ(seenAtQuestion, Bytes(256, 0xEE));  // not yet cleared while the question is up
    Bytes expectedAtStart(256, 0xEE);
    std::fill(expectedAtStart.begin() + 0x10, expectedAtStart.begin() + 0x20, 0);
    EXPECT_EQ(seenAtStart, expectedAtStart);
    Bytes expected(256, 0xEE);
    std::copy(image.begin() + 0x10, image.begin() + 0x20, expected.begin() + 0x10);
    EXPECT_EQ(Dump(*document_), expected);
    EXPECT_EQ(std::ranges::count(view_.hints, HintRepaint), 16);
    std::vector<std::uint32_t> addresses(16);
    std::iota(addresses.begin(), addresses.end(), 0x10u);
    EXPECT_EQ(view_.repainted, addresses);
    EXPECT_EQ(document_->LastByteDone(), CProbexDoc::kNoByte);
    EXPECT_TRUE(QString::fromStdString(document_->LastSummary())
                    .contains(QRegularExpression("^Read 16 bytes in \\d+\\.\\d s$")))
        << document_->LastSummary();
    EXPECT_FALSE(document_->IsModified());
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{kLastOperation});
    EXPECT_EQ(prompts_.prompts[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompts_.prompts[0].icon, MessageIcon::Question);

    // Count 0 reads the whole EEPROM.
    std::fill_n(document_->dumpData.get(), 256, std::uint8_t{0xEE});
    prompts_.QueueAnswer(MessageAnswer::Yes);
    view_.repainted.clear();
    document_->ReadRange(kPort, kTimeoutMs, 0x40, 0);
    DeliverUntilFinished();
    EXPECT_EQ(Dump(*document_), Bytes(image.begin(), image.end()));
    ASSERT_EQ(view_.repainted.size(), 256u);
    EXPECT_EQ(view_.repainted.front(), 0u);
    EXPECT_EQ(view_.repainted.back(), 0xFFu);
}

// Save As names a new dump "dump.bin" and one read from a device after its ID; a loaded one by its
// file.
TEST_F(ProbexDocument, SaveAsProposesDumpBinOrTheDevicesId)
{
    Start();
    const auto proposed = [this] {
        prompts_.QueueFileName(std::nullopt);
        EXPECT_FALSE(document_->OnFileSaveAs());
        return QFileInfo(prompts_.prompts.back().proposedName).fileName();
    };
    EXPECT_EQ(proposed(), "dump.bin");

    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 0, 0);
    DeliverUntilFinished();
    ASSERT_FALSE(document_->GetIdText().empty());
    EXPECT_EQ(proposed(),
              QString::fromStdString(operation::DeviceFolderName(document_->GetIdText())) + ".bin");

    const QString file = dir_.filePath("kept.bin");
    WriteFile(file, QByteArray(256, '\0'));
    ASSERT_TRUE(document_->OpenDocumentFile(file));
    prompts_.QueueFileName(std::nullopt);
    EXPECT_FALSE(document_->OnFileSaveAs());
    EXPECT_EQ(prompts_.prompts.back().proposedName, QFileInfo(file).absoluteFilePath());
    ASSERT_TRUE(document_->OnFileNew());
    EXPECT_EQ(proposed(), "dump.bin");
}

TEST_F(ProbexDocument, ReadFailingPartWayKeepsWhatWasReadAndReportsAfterIdle)
{
    zaqsim::SimOptions options;
    options.badChecksumAnswer = 2 + 5;  // connection start, identification, then the fifth byte
    Start(options);
    const Image image = Pattern();
    sim_->Eeprom().Fill(image);
    std::fill_n(document_->dumpData.get(), 256, std::uint8_t{0xEE});
    Hints hintsAtError;
    prompts_.onPrompt = [&](const CScriptedPrompts::Prompt& prompt) {
        if (prompt.text != kLastOperation)
            hintsAtError = view_.hints;
    };
    prompts_.QueueAnswer(MessageAnswer::No);
    document_->ReadRange(kPort, kTimeoutMs, 0x10, 16);
    DeliverUntilFinished();

    // The four bytes read stay; the bytes never read get their old values back, not zeros.
    Bytes expected(256, 0xEE);
    std::copy(image.begin() + 0x10, image.begin() + 0x14, expected.begin() + 0x10);
    EXPECT_EQ(Dump(*document_), expected);
    EXPECT_EQ(document_->CutReadStart(), 0x10u);
    EXPECT_EQ(document_->CutReadCount(), 4u);
    // The editor takes only those four as the device's contents.
    EXPECT_EQ(document_->ReadSpan().first, 0x10u);
    EXPECT_EQ(document_->ReadSpan().last, 0x13u);
    ASSERT_EQ(std::ranges::count(view_.hints, HintReadCutShort), 1);
    EXPECT_LT(std::ranges::find(view_.hints, HintReadCutShort) - view_.hints.begin(),
              std::ranges::find(view_.hints, HintIdle) - view_.hints.begin());
    EXPECT_EQ(prompts_.MessageTexts(),
              (std::vector<QString>{
                  kLastOperation,
                  "Receive check sum error\nThe answer in the read of 0x14 had a wrong checksum.\nBytes "
                  "10 - 13 were read, 14 - 1F keep their values."}));
    EXPECT_EQ(document_->LastSummary().rfind("Receive check sum error at 0x14 after ", 0), 0u)
        << document_->LastSummary();
    EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Error);
    EXPECT_EQ(prompts_.prompts.back().buttons, MessageButtons::Ok);
    ASSERT_FALSE(hintsAtError.empty());
    EXPECT_EQ(hintsAtError.back(), HintIdle);
    EXPECT_FALSE(document_->IsDeviceBusy());
}

TEST_F(ProbexDocument, ReadFailingBeforeItsFirstByteLeavesTheDumpAsItWas)
{
    zaqsim::SimOptions options;
    options.silentFromFrame = 3;  // connection start and identification answered, the first read not
    Start(options);
    std::iota(document_->dumpData.get(), document_->dumpData.get() + 256, std::uint8_t{0});
    const Bytes before = Dump(*document_);
    prompts_.QueueAnswer(MessageAnswer::No);
    document_->ReadRange(kPort, kTimeoutMs, 0, 0);
    DeliverUntilFinished();
    EXPECT_EQ(Dump(*document_), before);
    EXPECT_EQ(document_->CutReadCount(), 0u);
    EXPECT_EQ(std::ranges::count(view_.hints, HintReadCutShort), 1);
    EXPECT_EQ(std::ranges::count(view_.hints, HintReadDone), 0) << "no byte was read";

    // A read that succeeds afterwards is not mistaken for a cut one.
    TearDown();
    view_.hints.clear();
    Start();
    prompts_.QueueAnswer(MessageAnswer::No);
    document_->ReadRange(kPort, kTimeoutMs, 0, 4);
    DeliverUntilFinished();
    EXPECT_EQ(std::ranges::count(view_.hints, HintReadCutShort), 0);
}

TEST_F(ProbexDocument, LastOperationAnswerBecomesTheTrailerFlag)
{
    Start();
    prompts_.QueueAnswer(MessageAnswer::No);
    document_->ReadId(kPort, kTimeoutMs);
    DeliverUntilFinished();
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->WriteRange(kPort, kTimeoutMs, 0, 1);
    DeliverUntilFinished();
    const auto trailers = Trailers();
    ASSERT_EQ(trailers.size(), 2u);
    EXPECT_EQ(trailers[0].back(), 0x00);
    EXPECT_EQ(trailers[1].back(), 0x01);
    EXPECT_EQ(prompts_.MessageTexts(), (std::vector<QString>{kLastOperation, kLastOperation}));
}

TEST_F(ProbexDocument, IdCaptionIsClearedBeforeTheQuestionExceptForARangeRead)
{
    Start();
    std::string captionAtQuestion;
    prompts_.onPrompt = [&](const CScriptedPrompts::Prompt&) { captionAtQuestion = view_.caption; };
    auto run = [&](auto request) {
        prompts_.QueueAnswer(MessageAnswer::Yes);
        request();
        DeliverUntilFinished();
        EXPECT_EQ(view_.caption, kIdText);
        return captionAtQuestion;
    };

    EXPECT_EQ(run([&] { document_->ReadId(kPort, kTimeoutMs); }), "");
    EXPECT_EQ(run([&] { document_->ReadRange(kPort, kTimeoutMs, 0, 2); }), kIdText);
    EXPECT_EQ(run([&] { document_->WriteRange(kPort, kTimeoutMs, 0, 2); }), "");
}

TEST_F(ProbexDocument, WriteSendsTheRangeFromTheDumpAndLeavesItAlone)
{
    Start();
    const Image image = Pattern();
    std::ranges::copy(image, document_->dumpData.get());
    document_->verifyAfterWrite = false;  // the plain write, one pass
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->WriteRange(kPort, kTimeoutMs, 0x20, 3);
    DeliverUntilFinished();
    Image expected{};
    std::copy(image.begin() + 0x20, image.begin() + 0x23, expected.begin() + 0x20);
    EXPECT_EQ(sim_->Eeprom().Bytes(), expected);
    EXPECT_EQ(Dump(*document_), Bytes(image.begin(), image.end()));
    EXPECT_EQ(view_.hints,
              (Hints{HintShowId, HintBusy, HintShowId, HintRepaint, HintRepaint, HintRepaint, HintIdle}));
    EXPECT_EQ(view_.repainted, (std::vector<std::uint32_t>{0x20, 0x21, 0x22}));
}

TEST_F(ProbexDocument, VerifiedWriteRepaintsTheBytesOfEachPassAndReportsWhatItFound)
{
    Start();
    const Image image = Pattern();
    std::ranges::copy(image, document_->dumpData.get());
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->WriteRange(kPort, kTimeoutMs, 0x20, 3);
    DeliverUntilFinished();
    EXPECT_EQ(view_.repainted, (std::vector<std::uint32_t>{0x20, 0x21, 0x22, 0x20, 0x21, 0x22}))
        << "the write pass, then the verify pass";
    ASSERT_GE(view_.hints.size(), 2u);
    EXPECT_EQ(view_.hints[view_.hints.size() - 2], HintDifferences);
    EXPECT_EQ(view_.hints.back(), HintIdle);
    EXPECT_EQ(document_->Differences(), std::vector<bool>(256, false));
    EXPECT_EQ(prompts_.MessageTexts(), std::vector<QString>{kLastOperation});
}

TEST_F(ProbexDocument, NotificationsBecomeHintsAndResultBoxes)
{
    Start();
    const struct {
        std::uint32_t code;
        std::uint32_t value;
        Hints hints;
        std::vector<QString> messages;
    } cases[] = {
        {0, 0, {HintBusy}, {}},
        {1, 0, {HintIdle}, {}},
        {1, 1, {HintIdle}, {"Unable to open COM-port"}},
        {1, 2, {HintIdle}, {"Device answer timeout"}},
        {1, 3, {HintIdle}, {"K-line adapter not present or power off or invalid COM port"}},
        {1, 4, {HintIdle}, {"Receive check sum error"}},
        {1, 5, {HintIdle}, {"Device refused the request (code 00)"}},  // no refusal was kept
        {1, 6, {HintIdle}, {"K-line error: a sent byte came back changed"}},
        {1, 8, {HintIdle}, {}},
        {1, 0xFFFF, {HintIdle}, {}},
        {2, 0, {HintShowId}, {}},
        {3, 256 & 0xFFFF, {}, {}},
        {4, 0, {HintRepaint}, {}},
        {5, 0, {}, {}},
        {6, 0, {}, {}},
        {0xFFFF, 1, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << "(" << c.value << ")");
        view_.hints.clear();
        prompts_.prompts.clear();
        document_->OnDeviceMessage(device::zaq::PackNotification(std::uint16_t(c.code), c.value));
        EXPECT_EQ(view_.hints, c.hints);
        // The message's first line: what follows it tells of a connection, and there was none.
        std::vector<QString> firstLines;
        for (const QString& text : prompts_.MessageTexts())
            firstLines.push_back(text.section(QLatin1Char('\n'), 0, 0));
        EXPECT_EQ(firstLines, c.messages);
    }
    // A byte done outside a range names no byte.
    view_.repainted.clear();
    document_->OnDeviceMessage(device::zaq::PackNotification(device::NotifyByteDone, 0));
    EXPECT_EQ(view_.repainted, std::vector<std::uint32_t>{CProbexDoc::kNoByte});
}

TEST_F(ProbexDocument, NewAndOpenDuringAnOperationLeaveTheBufferAlone)
{
    // The document counts as busy until it is handed NotifyFinished, however fast the device.
    Start();
    const Image image = Pattern();
    sim_->Eeprom().Fill(image);
    const QString other = dir_.filePath("other");
    WriteFile(other, QByteArray(256, '\x5A'));
    const std::uint8_t* buffer = document_->dumpData.get();

    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 0, 0);
    ASSERT_TRUE(document_->IsDeviceBusy());
    // The device names itself before the refused requests come.
    while (document_->GetIdText().empty() && target_.WaitForCount(delivered_ + 1, 30000))
        document_->OnDeviceMessage(target_.Messages()[delivered_++].wParam);
    ASSERT_EQ(document_->GetIdText(), kIdText);
    ASSERT_TRUE(document_->IsDeviceBusy());
    prompts_.prompts.clear();
    EXPECT_FALSE(document_->OnFileNew());
    EXPECT_FALSE(document_->OnFileOpen());
    EXPECT_FALSE(document_->OpenDocumentFile(other));
    const std::string idBefore = document_->GetIdText();
    document_->ReadId("COM9", kTimeoutMs + 1000);  // a second request is refused as well
    EXPECT_EQ(document_->GetOperation().Record().port, kPort) << "the running request keeps its port";
    EXPECT_EQ(document_->GetOperation().Record().timeoutMs, kTimeoutMs);
    EXPECT_EQ(document_->GetIdText(), idBefore);
    const QString busy = "A device operation is running.\nPlease wait until it ends.";
    EXPECT_EQ(prompts_.MessageTexts(), (std::vector<QString>{busy, busy, busy, busy}));
    EXPECT_EQ(prompts_.prompts.size(), 4u);  // no dialog, no save prompt, no last-operation question
    EXPECT_EQ(document_->dumpData.get(), buffer);
    EXPECT_EQ(document_->GetTitle(), "No file");

    DeliverUntilFinished();
    EXPECT_FALSE(document_->IsDeviceBusy());
    EXPECT_EQ(Dump(*document_), Bytes(image.begin(), image.end()));
    // Once the operation ended, New works again.
    EXPECT_TRUE(document_->OnFileNew());
    EXPECT_EQ(Dump(*document_), Bytes(256, 0));
}

TEST_F(ProbexDocument, ClosingDuringAnOperationEndsTheWorkerFirst)
{
    zaqsim::SimOptions slow;
    slow.byteTiming = true;  // a whole-EEPROM read then takes seconds
    Start(slow);
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 0, 0);
    ASSERT_TRUE(target_.WaitForCount(delivered_ + 3, 30000));  // the range has begun
    // The engine goes first and ends its worker inside the read, so the worker never writes
    // into the released buffer (a sanitizer build watches for that).
    document_.reset();
    std::size_t readFrames = 0;
    for (const auto& frame : sim_->Log().Frames()) {
        if (frame.kind == zaqsim::FrameKind::Request && frame.bytes[0] == 0x84)
            ++readFrames;
    }
    EXPECT_LT(readFrames, 256u);
}

TEST_F(ProbexDocument, RangeOutsideTheDumpTouchesNothing)
{
    Start();
    std::fill_n(document_->dumpData.get(), 256, std::uint8_t{0xEE});
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 256, 16);
    EXPECT_FALSE(document_->IsDeviceBusy());  // the engine refused it: nothing will follow
    EXPECT_EQ(Dump(*document_), Bytes(256, 0xEE));
    EXPECT_TRUE(target_.Messages().empty());

    // A range running past the end is cleared up to the end of the dump only.
    Bytes atStart;
    view_.onUpdate = [&](std::uint32_t hint) {
        if (hint == HintShowId && atStart.empty())
            atStart = Dump(*document_);
    };
    prompts_.QueueAnswer(MessageAnswer::Yes);
    document_->ReadRange(kPort, kTimeoutMs, 0xF8, 0x100);
    DeliverUntilFinished();
    Bytes expected(256, 0xEE);
    std::fill(expected.begin() + 0xF8, expected.end(), 0);
    EXPECT_EQ(atStart, expected);
}

TEST_F(ProbexDocument, PortIsFreeOnlyWhenItCanBeOpenedNow)
{
    Start();
    EXPECT_TRUE(document_->IsPortFree(kPort));
    EXPECT_FALSE(document_->IsPortFree("COM9"));
}

}  // namespace
