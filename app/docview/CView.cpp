// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/docview/CView.h"

#include "app/docview/CDocument.h"

namespace app {

CView::~CView()
{
    if (document_)
        document_->RemoveView(this);
}

void CView::OnInitialUpdate()
{
    OnUpdate(kReloadHint);
}

}  // namespace app
