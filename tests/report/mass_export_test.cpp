#include "report/mass_export.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tav::report;

namespace {

// An exporter for each content that notes its name when it runs.
TMassExporters Recording(QStringList &ran)
{
    TMassExporters exporters;
    const std::pair<TMassExportContent, const char *> names[] = {
        {TMassExportContent::Program, "Program"},   {TMassExportContent::Odds, "Odds"},
        {TMassExportContent::CurrAgvnAnal, "Anal"}, {TMassExportContent::Proistoria, "Proistoria"},
        {TMassExportContent::CurrAgvn, "CurrAgvn"}, {TMassExportContent::Sxara, "Sxara"},
        {TMassExportContent::Baum, "Baum"}};
    for (const auto &[content, name] : names)
        exporters[content] = [&ran, name = QString::fromUtf8(name)] { ran.append(name); };
    return exporters;
}

} // namespace

TEST(MassExportTest, RunsTheTickedExportersInTheFixedOrder)
{
    struct Case
    {
        QSet<TMassExportContent> ticked;
        QStringList ran;
    };
    using C = TMassExportContent;
    const Case cases[] = {
        {{C::Program, C::Baum, C::Odds}, {"Baum", "Odds", "Program"}},
        {{C::Sxara, C::CurrAgvn, C::Proistoria, C::CurrAgvnAnal},
         {"Sxara", "CurrAgvn", "Proistoria", "Anal"}},
        {{C::Baum, C::Sxara, C::CurrAgvn, C::Proistoria, C::CurrAgvnAnal, C::Odds, C::Program},
         {"Baum", "Sxara", "CurrAgvn", "Proistoria", "Anal", "Odds", "Program"}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        QStringList ran;
        RunMassExport(c.ticked, Recording(ran));
        EXPECT_EQ(ran, c.ran);
    }
}

TEST(MassExportTest, ContentWithoutExporterIsSkippedAndAFailureEndsTheRun)
{
    TMassExporters exporters;
    QStringList ran;
    exporters[TMassExportContent::Sxara] = [&ran] { ran.append("Sxara"); };
    exporters[TMassExportContent::Odds] = [] { throw std::runtime_error("disk full"); };
    exporters[TMassExportContent::Program] = [&ran] { ran.append("Program"); };
    EXPECT_THROW(RunMassExport({TMassExportContent::Baum, TMassExportContent::Sxara, TMassExportContent::Odds,
                                TMassExportContent::Program},
                               exporters),
                 std::runtime_error);
    EXPECT_EQ(ran, QStringList{"Sxara"});
}
