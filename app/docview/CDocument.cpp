// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CDocument.h"

#include "app/docview/CArchive.h"
#include "app/docview/CPrompts.h"
#include "app/docview/CView.h"
#include "app/docview/ReadableFile.h"
#include "platform/AtomicReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace app {

namespace {

// The same file under two spellings of its path counts as the same file.
QString ComparablePath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The described text, then which file and why, in the system's words. reasonText: %1 the
// file, %2 the reason.
void ReportFailure(const QString& text, const QString& reasonText, const QString& path, QString reason)
{
    if (reason.endsWith('.'))
        reason.chop(1);
    Prompts().ShowMessage(text + '\n' + reasonText.arg(QDir::toNativeSeparators(path), reason),
                          MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace

CDocument::CDocument(DocumentTexts texts) : texts_(std::move(texts)), title_(texts_.untitled) {}

CDocument::~CDocument()
{
    for (CView* view : views_)
        view->document_ = nullptr;
}

void CDocument::SetTitle(const QString& newTitle)
{
    if (title_ == newTitle)
        return;
    title_ = newTitle;
    emit titleChanged(title_);
}

void CDocument::SetPathName(const QString& path)
{
    const QFileInfo info(path);
    pathName_ = info.absoluteFilePath();
    lastFolder_ = info.absolutePath();
    SetTitle(info.fileName());
}

void CDocument::SetModifiedFlag(bool isModified)
{
    if (modified_ == isModified)
        return;
    modified_ = isModified;
    emit modifiedChanged(modified_);
}

void CDocument::AddView(CView* view)
{
    if (view->document_ == this)
        return;
    if (view->document_)
        view->document_->RemoveView(view);
    views_.push_back(view);
    view->document_ = this;
}

void CDocument::RemoveView(CView* view)
{
    const auto it = std::ranges::find(views_, view);
    if (it == views_.end())
        return;
    views_.erase(it);
    view->document_ = nullptr;
}

void CDocument::UpdateAllViews(UpdateHint hint)
{
    // A view may leave the document while it updates.
    const std::vector<CView*> current = views_;
    for (CView* view : current) {
        if (std::ranges::find(views_, view) != views_.end())
            view->OnUpdate(hint);
    }
}

void CDocument::InitialUpdateViews()
{
    const std::vector<CView*> current = views_;
    for (CView* view : current) {
        if (std::ranges::find(views_, view) != views_.end())
            view->OnInitialUpdate();
    }
}

bool CDocument::OnNewDocument()
{
    pathName_.clear();
    SetTitle(texts_.untitled);
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    QFile file;
    QString reason;
    if (!OpenReadableFile(file, path, texts_.notRegularFile, reason)) {
        ReportFailure(texts_.openFailed, texts_.openFailedReason, path, reason);
        return false;
    }
    if (file.size() != 0) {
        CArchive archive(file, CArchive::Mode::Load, path);
        Serialize(archive);
        if (archive.HasFailed()) {
            if (!archive.WasRefused())
                ReportFailure(texts_.openFailed, texts_.openFailedReason, path, file.errorString());
            return false;
        }
    }
    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    // The new contents go to a temporary file beside the target, which replaces the target
    // only once complete: a failed save leaves the previous file as it was.
    QSaveFile file(path);
    bool saved = file.open(QIODevice::WriteOnly);
    QString reason;
    // An existing file keeps its owner and group, or is not replaced at all.
    if (saved) {
        const QString target = QFileInfo(path).exists() ? QFileInfo(path).canonicalFilePath() : path;
        if (const std::error_code refused = platform::KeepOwnerOf(target.toStdString(), file.handle())) {
            reason = QString::fromStdString(refused.message());
            saved = false;
        }
    }
    if (saved) {
        CArchive archive(file, CArchive::Mode::Store);
        Serialize(archive);
        saved = !archive.HasFailed() && file.commit();
    }
    if (!saved) {
        if (reason.isEmpty())
            reason = file.errorString();
        file.cancelWriting();
        ReportFailure(texts_.saveFailed, texts_.saveFailedReason, path, reason);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    const QString name = pathName_.isEmpty() ? title_ : QFileInfo(pathName_).fileName();
    const QString question = texts_.saveChanges.arg(name);
    switch (Prompts().ShowMessage(question, MessageButtons::YesNoCancel, MessageIcon::Exclamation)) {
    case MessageAnswer::Yes:
        return OnFileSave();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CDocument::OnFileNew()
{
    if (!CanReplaceContents() || !SaveModified())
        return false;
    if (!OnNewDocument())
        return false;
    InitialUpdateViews();
    return true;
}

bool CDocument::OnFileOpen()
{
    if (!CanReplaceContents())
        return false;
    const auto path = Prompts().AskOpenFileName(texts_.openTitle, texts_.fileFilter, lastFolder_);
    return path && OpenDocumentFile(*path);
}

bool CDocument::OpenDocumentFile(const QString& path)
{
    if (!pathName_.isEmpty() && ComparablePath(path) == ComparablePath(pathName_))
        return true;
    if (!CanReplaceContents() || !SaveModified())
        return false;
    if (!OnOpenDocument(path))
        return false;
    InitialUpdateViews();
    return true;
}

bool CDocument::OpenCopyOfFile(const QString& path, const QString& title)
{
    if (!CanReplaceContents() || !SaveModified())
        return false;
    // Save As keeps proposing the folder the user works in, not the copied file's.
    const QString folder = lastFolder_;
    if (!OnOpenDocument(path))
        return false;
    pathName_.clear();
    lastFolder_ = folder;
    SetTitle(title);
    InitialUpdateViews();
    SetModifiedFlag(true);
    return true;
}

bool CDocument::OnFileSave()
{
    return pathName_.isEmpty() ? OnFileSaveAs() : DoSave(pathName_);
}

bool CDocument::OnFileSaveAs()
{
    const QString name = ProposedFileName();
    const QString proposed = !pathName_.isEmpty()    ? pathName_
                             : lastFolder_.isEmpty() ? name
                                                     : QDir(lastFolder_).filePath(name);
    const auto path = Prompts().AskSaveFileName(
        texts_.saveAsTitle, texts_.saveFilter.isEmpty() ? texts_.fileFilter : texts_.saveFilter, proposed);
    return path && DoSave(*path);
}

bool CDocument::DoSave(const QString& path)
{
    if (!OnSaveDocument(path))
        return false;
    SetPathName(path);
    return true;
}

}  // namespace app
