#include "instances.h"

TDM *DM = nullptr;
TfrmMain *frmMain = nullptr;
TAboutBox *AboutBox = nullptr;
Taddrecstat_frm *addrecstat_frm = nullptr;
Taddpunkt_frm *addpunkt_frm = nullptr;
Taddsankc_frm *addsankc_frm = nullptr;
Tstdate *stdate = nullptr;
Ttwodates_frm *twodates_frm = nullptr;
TForm4 *Form4 = nullptr;
TOption_frm *Option_frm = nullptr;
