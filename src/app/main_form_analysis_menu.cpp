#include "app/main_form.h"

#include "analysis/ui/agvn_analysis_frm.h"
#include "platform/ui/application.h"

// "Ανάλυση Αγώνων" and its toolbar button: the match analysis window, made on first use.
void TFrmMain::N36Click()
{
    TAgvnAnalysisFrm &form = AgvnAnalysisFrm();
    AssignMainFont(&form);
    form.ShowAnalysis();
}
