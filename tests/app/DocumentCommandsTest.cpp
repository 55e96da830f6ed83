// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DocumentTextsFromStringTable.h"
#include "app/docview/CArchive.h"
#include "app/docview/CDocument.h"
#include "tests/app/support/CRecordingView.h"
#include "tests/app/support/CScriptedPrompts.h"
#include "tests/app/support/QtTestApplication.h"
#include "tests/support/ScopedFilePermissions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <vector>

using namespace app;

namespace {

using Kind = CScriptedPrompts::Kind;

// A document of a few bytes that loads whatever length the file has.
class CBytesDoc : public CDocument {
public:
    CBytesDoc() : CDocument(DocumentTextsFromStringTable()) {}

    void Serialize(CArchive& archive) override
    {
        if (archive.IsStoring()) {
            archive.Write(bytes.data(), bytes.size());
        } else {
            ++loads;
            std::vector<std::uint8_t> loaded(archive.GetFileLength());
            if (archive.Read(loaded.data(), loaded.size()))
                bytes = loaded;
        }
    }

    std::vector<std::uint8_t> bytes{1, 2, 3, 4};
    int loads = 0;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(contents), contents.size());
}

class DocumentCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureQApplication();
        ASSERT_TRUE(dir_.isValid());
        document_.AddView(&view_);
        ASSERT_TRUE(document_.OnNewDocument());
    }

    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    CScriptedPrompts prompts_;
    CBytesDoc document_;
    CRecordingView view_;
};

TEST_F(DocumentCommands, NewDocumentIsUnnamedAndUnmodified)
{
    EXPECT_EQ(document_.GetTitle(), "No file");
    EXPECT_EQ(document_.GetPathName(), "");
    EXPECT_FALSE(document_.IsModified());
    EXPECT_TRUE(prompts_.prompts.empty());
}

TEST_F(DocumentCommands, SavePromptBeforeNewOffersYesNoCancel)
{
    document_.SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(document_.OnFileNew());
    ASSERT_EQ(prompts_.prompts.size(), 1u);
    EXPECT_EQ(prompts_.prompts[0].text, "Save changes to No file?");
    EXPECT_EQ(prompts_.prompts[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(prompts_.prompts[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(view_.hints.empty());

    prompts_.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(document_.OnFileNew());
    EXPECT_FALSE(document_.IsModified());
    EXPECT_EQ(view_.hints, (std::vector<UpdateHint>{CRecordingView::kInitialUpdate, kReloadHint}));
}

TEST_F(DocumentCommands, YesToTheSavePromptSavesFirstAndStopsWhenSavingIsCancelled)
{
    document_.SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueFileName(std::nullopt);  // the Save As dialog is cancelled
    EXPECT_FALSE(document_.OnFileNew());
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(view_.hints.empty());

    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueFileName(PathOf("first"));
    EXPECT_TRUE(document_.OnFileNew());
    EXPECT_EQ(ReadAll(PathOf("first")), QByteArray("\x01\x02\x03\x04"));
    // The new document has no name of its own.
    EXPECT_EQ(document_.GetTitle(), "No file");
    EXPECT_EQ(document_.GetPathName(), "");
}

TEST_F(DocumentCommands, SaveAsProposesTheTitleThenThePathAndAddsNoExtension)
{
    document_.SetModifiedFlag();
    prompts_.QueueFileName(PathOf("dump"));
    EXPECT_TRUE(document_.OnFileSave());
    ASSERT_EQ(prompts_.prompts.size(), 1u);
    EXPECT_EQ(prompts_.prompts[0].kind, Kind::SaveFile);
    EXPECT_EQ(prompts_.prompts[0].text, "Save As");
    EXPECT_EQ(prompts_.prompts[0].filter, "Dumps (*.bin);;All Files (*.*)");
    EXPECT_EQ(prompts_.prompts[0].proposedName, "No file");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"dump"});
    EXPECT_EQ(document_.GetTitle(), "dump");
    EXPECT_EQ(document_.GetPathName(), QFileInfo(PathOf("dump")).absoluteFilePath());
    EXPECT_FALSE(document_.IsModified());

    // With a path, Save writes without asking; Save As proposes the path.
    document_.bytes = {9, 8};
    document_.SetModifiedFlag();
    EXPECT_TRUE(document_.OnFileSave());
    EXPECT_EQ(prompts_.prompts.size(), 1u);
    EXPECT_EQ(ReadAll(PathOf("dump")), QByteArray("\x09\x08"));

    prompts_.QueueFileName(std::nullopt);
    EXPECT_FALSE(document_.OnFileSaveAs());
    EXPECT_EQ(prompts_.prompts.back().proposedName, document_.GetPathName());
}

TEST_F(DocumentCommands, SavePromptNamesTheFileOnceTheDocumentHasOne)
{
    prompts_.QueueFileName(PathOf("image.bin"));
    ASSERT_TRUE(document_.OnFileSaveAs());
    document_.SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(document_.SaveModified());
    EXPECT_EQ(prompts_.prompts.back().text, "Save changes to image.bin?");
    // An unmodified document is closed without a question.
    document_.SetModifiedFlag(false);
    const auto asked = prompts_.prompts.size();
    EXPECT_TRUE(document_.SaveModified());
    EXPECT_EQ(prompts_.prompts.size(), asked);
}

TEST_F(DocumentCommands, OpenLoadsTakesTheNameAndRunsTheInitialUpdate)
{
    WriteAll(PathOf("other"), QByteArray("\x05\x06\x07", 3));
    prompts_.QueueFileName(PathOf("other"));
    document_.SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(document_.OnFileOpen());
    ASSERT_EQ(prompts_.prompts.size(), 2u);
    // The dialog comes first, then the save prompt.
    EXPECT_EQ(prompts_.prompts[0].kind, Kind::OpenFile);
    EXPECT_EQ(prompts_.prompts[0].text, "Open");
    EXPECT_EQ(prompts_.prompts[0].filter, "All Files (*.*)");
    EXPECT_EQ(prompts_.prompts[1].text, "Save changes to No file?");
    EXPECT_EQ(document_.bytes, (std::vector<std::uint8_t>{5, 6, 7}));
    EXPECT_EQ(document_.GetTitle(), "other");
    EXPECT_FALSE(document_.IsModified());
    EXPECT_EQ(view_.hints, (std::vector<UpdateHint>{CRecordingView::kInitialUpdate, kReloadHint}));
}

TEST_F(DocumentCommands, OpeningTheDocumentsOwnFileAgainDoesNothing)
{
    prompts_.QueueFileName(PathOf("dump"));
    ASSERT_TRUE(document_.OnFileSaveAs());
    WriteAll(PathOf("dump"), QByteArray("\x0A\x0B", 2));
    document_.SetModifiedFlag();
    const auto asked = prompts_.prompts.size();

    EXPECT_TRUE(document_.OpenDocumentFile(dir_.path() + "/./dump"));
    EXPECT_EQ(prompts_.prompts.size(), asked);
    EXPECT_EQ(document_.loads, 0);
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(view_.hints.empty());
}

TEST_F(DocumentCommands, EmptyFileIsNotLoadedButStillOpened)
{
    WriteAll(PathOf("empty"), QByteArray());
    EXPECT_TRUE(document_.OpenDocumentFile(PathOf("empty")));
    EXPECT_EQ(document_.loads, 0);
    EXPECT_EQ(document_.bytes, (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(prompts_.prompts.empty());
    EXPECT_EQ(document_.GetTitle(), "empty");
    EXPECT_EQ(view_.hints, (std::vector<UpdateHint>{CRecordingView::kInitialUpdate, kReloadHint}));
}

TEST_F(DocumentCommands, FileThatCannotBeOpenedIsReportedAndChangesNothing)
{
    prompts_.QueueFileName(PathOf("kept"));
    ASSERT_TRUE(document_.OnFileSaveAs());
    document_.SetModifiedFlag();
    prompts_.QueueAnswer(MessageAnswer::No);

    EXPECT_FALSE(document_.OpenDocumentFile(PathOf("missing")));
    ASSERT_EQ(prompts_.MessageTexts().size(), 2u);
    EXPECT_EQ(prompts_.MessageTexts()[1], "Failed to open document.\nFailed to open " + PathOf("missing") +
                                              ": No such file or directory.");
    EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(document_.GetTitle(), "kept");
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(view_.hints.empty());

    // Nor anything but a regular file, and a FIFO without a writer does not hold the window.
    ASSERT_EQ(mkfifo(PathOf("fifo").toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {dir_.path(), PathOf("fifo"), QString("/dev/zero")}) {
        prompts_.QueueAnswer(MessageAnswer::No);
        EXPECT_FALSE(document_.OpenDocumentFile(path));
        EXPECT_EQ(prompts_.MessageTexts().back(),
                  "Failed to open document.\nFailed to open " + path + ": not a regular file.");
    }
    EXPECT_EQ(document_.loads, 0);
}

class DocumentSaveFailures : public DocumentCommands {
protected:
    void SetUp() override
    {
        DocumentCommands::SetUp();
        WriteAll(PathOf("dump"), QByteArray("old contents"));
        document_.SetModifiedFlag();
    }

    void ExpectFailedSaveKeptEverything(const QString& target, const QByteArray& oldContents)
    {
        ASSERT_EQ(prompts_.MessageTexts().size(), 1u);
        EXPECT_TRUE(
            prompts_.MessageTexts()[0].startsWith("Failed to save document.\nFailed to save " + dir_.path()))
            << prompts_.MessageTexts()[0].toStdString();
        EXPECT_EQ(prompts_.prompts.back().icon, MessageIcon::Exclamation);
        EXPECT_EQ(ReadAll(target), oldContents);
        EXPECT_TRUE(document_.IsModified());
        EXPECT_EQ(document_.GetTitle(), "No file");
        EXPECT_EQ(document_.GetPathName(), "");
    }
};

TEST_F(DocumentSaveFailures, ReadOnlyFolderKeepsTheOldFile)
{
    const QString folder = PathOf("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteAll(folder + "/dump", "old contents");
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    {
        ScopedFilePermissions binding;
        prompts_.QueueFileName(folder + "/dump");
        EXPECT_FALSE(document_.OnFileSaveAs());
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ExpectFailedSaveKeptEverything(folder + "/dump", "old contents");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"dump"});
}

TEST_F(DocumentSaveFailures, FolderInTheWayIsNotReplaced)
{
    const QString folder = PathOf("folder");
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteAll(folder + "/inside", "inside");
    prompts_.QueueFileName(folder);
    EXPECT_FALSE(document_.OnFileSaveAs());
    ExpectFailedSaveKeptEverything(folder + "/inside", "inside");
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dump"});
}

TEST_F(DocumentSaveFailures, WriteErrorPartWayKeepsTheOldFileWhole)
{
    // A file size limit below the document's size fails the write the way a full disk does.
    document_.bytes.assign(64 * 1024, 0x5A);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previousLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    rlimit small = previousLimit;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    prompts_.QueueFileName(PathOf("dump"));
    const bool saved = document_.OnFileSaveAs();
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    ExpectFailedSaveKeptEverything(PathOf("dump"), "old contents");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dump"});
}

// Root keeps the owner and group of another user's file; a user who cannot keep them is refused,
// the old file left as it was. A reader of the old file keeps seeing all of it.
TEST_F(DocumentSaveFailures, SaveKeepsTheOwnerAndGroupOrIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another user";
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const QString target = PathOf("dump");
    ASSERT_EQ(chown(target.toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid), 0);
    QFile reader(target);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    document_.bytes = {0xAA, 0xBB};
    ASSERT_TRUE(document_.OnSaveDocument(target));
    EXPECT_EQ(ReadAll(target), QByteArray("\xAA\xBB"));
    EXPECT_EQ(reader.readAll(), QByteArray("old contents")) << "replaced whole, not written in place";
    struct stat info {};
    ASSERT_EQ(stat(target.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_uid, nobody->pw_uid);
    EXPECT_EQ(info.st_gid, nobody->pw_gid);

    // The user nobody, in a folder open to it, over a file of root that it may write.
    ASSERT_EQ(chown(target.toLocal8Bit().constData(), 0, 0), 0);
    ASSERT_EQ(chmod(target.toLocal8Bit().constData(), 0666), 0);
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777)));
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
            _exit(2);
        const bool saved = document_.OnSaveDocument(target);
        const bool told = !prompts_.MessageTexts().empty() &&
                          prompts_.MessageTexts().back().contains("could not keep the owner and group");
        _exit(!saved && told ? 0 : 1);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "refused with the reason";
    EXPECT_EQ(ReadAll(target), QByteArray("\xAA\xBB"));
    ASSERT_EQ(stat(target.toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"dump"});
}

TEST_F(DocumentSaveFailures, FailedSaveAnsweringTheSavePromptAbandonsTheCommand)
{
    prompts_.QueueAnswer(MessageAnswer::Yes);
    prompts_.QueueFileName(dir_.path());  // a folder: the save fails
    EXPECT_FALSE(document_.OnFileNew());
    EXPECT_TRUE(document_.IsModified());
    EXPECT_TRUE(view_.hints.empty());
    EXPECT_TRUE(prompts_.MessageTexts().back().startsWith("Failed to save document.\nFailed to save " +
                                                          dir_.path() + ": "));
}

TEST_F(DocumentCommands, FileDialogsStartInTheFolderLastUsed)
{
    // Nothing used yet: the open dialog gets no folder, Save As the bare title.
    prompts_.QueueFileName(std::nullopt);
    EXPECT_FALSE(document_.OnFileOpen());
    EXPECT_EQ(prompts_.prompts.back().proposedName, "");

    ASSERT_TRUE(QDir(dir_.path()).mkdir("dumps"));
    const QString saved = dir_.filePath("dumps/first");
    prompts_.QueueFileName(saved);
    ASSERT_TRUE(document_.OnFileSaveAs());

    prompts_.QueueFileName(std::nullopt);
    EXPECT_FALSE(document_.OnFileOpen());
    EXPECT_EQ(prompts_.prompts.back().proposedName, QFileInfo(saved).absolutePath());

    // A new document has no path, yet Save As still starts where the last file went.
    ASSERT_TRUE(document_.OnFileNew());
    prompts_.QueueFileName(std::nullopt);
    EXPECT_FALSE(document_.OnFileSaveAs());
    EXPECT_EQ(prompts_.prompts.back().proposedName,
              QDir(QFileInfo(saved).absolutePath()).filePath("No file"));
}

}  // namespace
