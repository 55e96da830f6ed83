#include "app/docview/CView.h"

#include "app/ViewHint.h"
#include "app/docview/CDocument.h"

namespace app {

CView::~CView()
{
    if (document_)
        document_->RemoveView(this);
}

void CView::OnInitialUpdate()
{
    OnUpdate(HintReload);
}

}  // namespace app
