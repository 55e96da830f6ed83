// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ViewHint.h"
#include "app/docview/CArchive.h"
#include "app/docview/CDocument.h"
#include "tests/app/support/CRecordingView.h"
#include "tests/app/support/QtTestApplication.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include <memory>

using namespace app;

namespace {

class CEmptyDoc : public CDocument {
public:
    CEmptyDoc() : CDocument(DocumentTexts{}) {}

    void Serialize(CArchive&) override {}
};

using Hints = std::vector<std::uint32_t>;

TEST(DocumentViews, UpdateReachesEveryViewInOrder)
{
    CEmptyDoc document;
    CRecordingView first, second;
    document.AddView(&first);
    document.AddView(&second);
    document.AddView(&first);  // already there: not added twice
    ASSERT_EQ(document.GetViews().size(), 2u);
    EXPECT_EQ(first.GetDocument(), &document);

    document.UpdateAllViews(HintBusy);
    document.UpdateAllViews(HintIdle);
    EXPECT_EQ(first.hints, (Hints{HintBusy, HintIdle}));
    EXPECT_EQ(second.hints, (Hints{HintBusy, HintIdle}));

    document.InitialUpdateViews();
    EXPECT_EQ(second.hints, (Hints{HintBusy, HintIdle, CRecordingView::kInitialUpdate, HintReload}));
}

TEST(DocumentViews, ViewsAndDocumentDetachWhicheverGoesFirst)
{
    auto document = std::make_unique<CEmptyDoc>();
    auto leaving = std::make_unique<CRecordingView>();
    CRecordingView staying;
    document->AddView(leaving.get());
    document->AddView(&staying);

    leaving.reset();
    ASSERT_EQ(document->GetViews().size(), 1u);
    document->UpdateAllViews(HintRepaint);
    EXPECT_EQ(staying.hints, (Hints{HintRepaint}));

    document.reset();
    EXPECT_EQ(staying.GetDocument(), nullptr);
}

TEST(DocumentViews, ViewMayLeaveWhileBeingUpdated)
{
    CEmptyDoc document;
    CRecordingView first, second;
    document.AddView(&first);
    document.AddView(&second);
    first.onUpdate = [&](std::uint32_t) { document.RemoveView(&second); };
    document.UpdateAllViews(HintShowId);
    EXPECT_EQ(first.hints, (Hints{HintShowId}));
    EXPECT_TRUE(second.hints.empty());
    EXPECT_EQ(second.GetDocument(), nullptr);
}

TEST(DocumentViews, TitleAndModifiedChangesAreSignalledOnce)
{
    EnsureQApplication();
    CEmptyDoc document;
    QSignalSpy titles(&document, &CDocument::titleChanged);
    QSignalSpy modified(&document, &CDocument::modifiedChanged);
    document.SetModifiedFlag(true);
    document.SetModifiedFlag(true);
    // Absolute paths of this system, so the document keeps them as they are.
    const QDir temp(QDir::tempPath());
    document.SetPathName(temp.filePath("some/dump.bin"));
    document.SetPathName(temp.filePath("other/dump.bin"));
    EXPECT_EQ(document.GetTitle(), "dump.bin");
    EXPECT_EQ(document.GetPathName(), temp.filePath("other/dump.bin"));
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles[0][0].toString(), "dump.bin");
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified[0][0].toBool());
}

}  // namespace
