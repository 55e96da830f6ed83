// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/docview/DocumentTexts.h"
#include "app/docview/UpdateHint.h"

#include <QObject>
#include <QString>

#include <vector>

namespace app {

class CArchive;
class CView;

// The document side of the document/view layer: title, path, modified flag, views, and the
// file commands (New, Open, Save, Save As, the save prompt) with their messages.
class CDocument : public QObject {
    Q_OBJECT

public:
    explicit CDocument(DocumentTexts texts);
    ~CDocument() override;

    const QString& GetTitle() const { return title_; }
    void SetTitle(const QString& newTitle);
    // The absolute path of the document's file; empty for a document never opened or saved.
    const QString& GetPathName() const { return pathName_; }
    // Takes the path and the file's name as the title.
    void SetPathName(const QString& path);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool isModified = true);

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return views_; }
    void UpdateAllViews(UpdateHint hint);
    // Runs OnInitialUpdate of every view, as after a new or opened document.
    void InitialUpdateViews();

    // Resets to a new, unnamed, unmodified document; false when the document cannot be made.
    virtual bool OnNewDocument();
    // Loads the file into the document; reports a failure to the user and returns false.
    virtual bool OnOpenDocument(const QString& path);
    // Writes the document to the file without ever leaving a partly written file behind;
    // reports a failure to the user and returns false (the old file and the flag stay).
    virtual bool OnSaveDocument(const QString& path);
    virtual void Serialize(CArchive& archive) = 0;

    // The save prompt for a modified document; false when the user cancelled, or chose to save
    // and saving failed.
    bool SaveModified();
    // File New: the save prompt, a new document, the views' initial update.
    bool OnFileNew();
    // File Open: the open dialog, then OpenDocumentFile.
    bool OnFileOpen();
    // The rest of File Open for a chosen file: nothing when it is the document's own file,
    // otherwise the save prompt, the load and the views' initial update.
    bool OpenDocumentFile(const QString& path);
    // Like OpenDocumentFile, but the document stays unnamed and modified, titled `title`: the
    // file itself is never saved over, and Save asks for a name.
    bool OpenCopyOfFile(const QString& path, const QString& title);
    // File Save: Save As for a document without a path.
    bool OnFileSave();
    // File Save As: the save dialog, then saving under the chosen name.
    bool OnFileSaveAs();

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);

protected:
    // Whether New and Open may replace the document's contents now. A document that refuses
    // tells the user why.
    virtual bool CanReplaceContents() { return true; }
    // The file name Save As proposes for a document without a path: its title.
    virtual QString ProposedFileName() const { return title_; }

private:
    bool DoSave(const QString& path);

    DocumentTexts texts_;
    QString title_;
    QString pathName_;
    // Where the open and save dialogs start: the folder of the last file opened or saved.
    QString lastFolder_;
    bool modified_ = false;
    std::vector<CView*> views_;
};

}  // namespace app
