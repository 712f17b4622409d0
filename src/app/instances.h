#pragma once

class TDM;
class TfrmMain;
class TAboutBox;
class Taddrecstat_frm;
class Taddpunkt_frm;
class Taddsankc_frm;
class Tstdate;
class Ttwodates_frm;
class TForm4;
class TOption_frm;

// The program's single instances, made by startUp() in this order and destroyed by
// shutDown(). Each stays null when its creation failed; callers that may run in such a
// program check before use.
extern TDM *DM;
extern TfrmMain *frmMain;
extern TAboutBox *AboutBox;
extern Taddrecstat_frm *addrecstat_frm;
extern Taddpunkt_frm *addpunkt_frm;
extern Taddsankc_frm *addsankc_frm;
extern Tstdate *stdate;
extern Ttwodates_frm *twodates_frm;
extern TForm4 *Form4;
extern TOption_frm *Option_frm;
