// The head lines that every web page of the program carries.

#include "data/data_module.h"

#include "platform/core/text_file.h"

namespace {

const QString ContentTypeLine =
    QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1253\">");
const QString PragmaLine = QStringLiteral("<meta http-equiv=\"pragma\" content=\"no-cache\">");
const QString KeywordsLine = QStringLiteral("<meta http-equiv=\"KeyWords\"");

const QString KeywordLists[] = {
    QStringLiteral(
        "Tavrolin,soccer,tavrolin,calcio,sport,sports,propo,προπο,pro-po,προ-πο,propogol,propogoal,"
        "προπογκολ,toto,totocalcio,tot,tot13,totogol,toto13,quiniela,la quiniela,1X2,lotosportif,"
        "elferwette,totobola,lotto,loto,λοττο,totip,tris,enalotto"),
    QStringLiteral(
        "prediction,previsioni,pronostici,προγνωστικα,results,risultati,αποτελεσματα,sistems,sistemi,"
        "systems,sistema,sistemi1X2,συστηματα,league,classifica,classification,compuret,picchetto,bet,"
        "betting,odds,fixed,fixedodds,fixed odds,fixed-odds"),
    QStringLiteral(
        "betting odds,betting-odds,team,squadra,software,free software,software free,programmi,program,"
        "προγραμματα,club,soccer club,newspaper,giornale,efhmerida,εφημεριδα,filrer,filtri,"
        "condizionamenti,condition,condizioni,on line,online,on-line"),
    QStringLiteral(
        "on line soccer,on line result,online result,statistic,statistica,archive,archivio,αρχειο,"
        "ricevitoria,ricvitorie telematiche,πρακτορειο,gambling,τζογος,campionato,champion,schedina,"
        "schedule,cafe,cafesport,information,informazioni,collettivo"),
};

} // namespace

void TTavrolinDM::WriteHtmlMeta(TextFileWriter &F, bool Keywords)
{
    F.WriteLine(ContentTypeLine);
    F.WriteLine(PragmaLine);
    if (!Keywords)
        return;
    for (const QString &list : KeywordLists) {
        F.WriteLine(KeywordsLine);
        F.WriteLine(QStringLiteral("content=\"") + list + QStringLiteral("\">"));
    }
}
