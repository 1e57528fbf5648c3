// CKeystriderDoc: an empty document with two commands nothing issues.
#include "app/KeystriderDoc.h"

#include "framework/window/CmdUI.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CKeystriderDoc, CDocument)

BEGIN_MESSAGE_MAP(CKeystriderDoc, CDocument)
ON_COMMAND(ID_DOC_COMMAND_1, OnDocCommand)
ON_COMMAND(ID_DOC_COMMAND_2, OnDocCommand)
ON_UPDATE_COMMAND_UI(ID_DOC_COMMAND_1, OnUpdateDocCommand)
ON_UPDATE_COMMAND_UI(ID_DOC_COMMAND_2, OnUpdateDocCommand)
END_MESSAGE_MAP()

void CKeystriderDoc::Serialize(CArchive&) {}

BOOL CKeystriderDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

void CKeystriderDoc::OnUpdateDocCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
