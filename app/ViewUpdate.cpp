// CKeystriderView's part of the update check: the schedule, "Check Now" and the display of a newer
// version.
#include "app/KeystriderView.h"

#include "app/KeystriderApp.h"
#include "app/MainFrame.h"
#include "app/MakerSite.h"
#include "framework/controls/MFCLinkCtrl.h"
#include "res/resource.h"
#include "update/PadFile.h"
#include "update/UpdateSchedule.h"

void CKeystriderView::CheckForUpdate(BOOL bForce)
{
    CShortCutConfig& store = theApp.m_ShortCutConfig;
    UpdateSchedule schedule = PlanUpdateCheck(store.m_nCheckNewVersion, store.m_tmTimeCheckPadFile,
                                              CTime::GetCurrentTime(), bForce);
    if (schedule.bKillTimer)
    {
        KillTimer(IDT_UPDATE_CHECK);
        return;
    }
    if (schedule.bDue)
    {
        // Written to the configuration file with its next save.
        store.m_tmTimeCheckPadFile = schedule.tmNextReference;
        if (CMainFrame* pFrame = GetMainFrame())
            pFrame->StartUpdateCheck();
    }
    SetTimer(IDT_UPDATE_CHECK, schedule.nTimerPeriod, nullptr);
}

void CKeystriderView::OnCheckNow()
{
    CheckForUpdate(TRUE);
}

void CKeystriderView::ShowUpdateResult()
{
    CMainFrame* pFrame = GetMainFrame();
    if (pFrame == nullptr)
        return;
    CMFCLinkCtrl* pLink = DYNAMIC_DOWNCAST(CMFCLinkCtrl, GetDlgItem(IDC_UPDATE_LINK));
    if (pLink != nullptr)
    {
        pLink->SetWindowText(L"Download New Version");
        // The address comes from a downloaded file: the link opens it only when it is a web address,
        // the maker's site otherwise.
        pLink->SetURL(IsWebAddress(pFrame->m_strDownloadURL) ? pFrame->m_strDownloadURL.GetString()
                                                             : KS_MAKER_SITE_URL);
        pLink->SetTooltip(pFrame->m_strUpdateText);
    }
    PopupInfo(2, L"New Version");
    if (pLink != nullptr)
        pLink->SizeToContent(FALSE, FALSE);
}
