#include "app/mass_export.h"

#include <QApplication>
#include <QCursor>
#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// An exporter for each content that notes its name when it runs and whether the hourglass was up.
struct Recorder
{
    QStringList ran;
    bool hourglass = true;

    TMassExporters Exporters()
    {
        TMassExporters exporters;
        const std::pair<TMassExportContent, const char *> names[] = {
            {TMassExportContent::Program, "Program"},   {TMassExportContent::Odds, "Odds"},
            {TMassExportContent::CurrAgvnAnal, "Anal"}, {TMassExportContent::Proistoria, "Proistoria"},
            {TMassExportContent::CurrAgvn, "CurrAgvn"}, {TMassExportContent::Sxara, "Sxara"},
            {TMassExportContent::Baum, "Baum"}};
        for (const auto &[content, name] : names)
            exporters[content] = [this, name = QString::fromUtf8(name)] {
                ran.append(name);
                const QCursor *cursor = QApplication::overrideCursor();
                hourglass = hourglass && cursor && cursor->shape() == Qt::WaitCursor;
            };
        return exporters;
    }
};

} // namespace

TEST(MassExportTest, RunsTheTickedExportersInTheFixedOrderUnderTheHourglass)
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
        Recorder recorder;
        RunMassExport(c.ticked, recorder.Exporters());
        EXPECT_EQ(recorder.ran, c.ran);
        EXPECT_TRUE(recorder.hourglass);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST(MassExportTest, ContentWithoutExporterIsSkippedAndTheCursorComesBackAfterAFailure)
{
    TMassExporters exporters;
    QStringList ran;
    exporters[TMassExportContent::Sxara] = [&ran] { ran.append("Sxara"); };
    exporters[TMassExportContent::Odds] = [] { throw std::runtime_error("disk full"); };
    EXPECT_THROW(
        RunMassExport({TMassExportContent::Baum, TMassExportContent::Sxara, TMassExportContent::Odds},
                      exporters),
        std::runtime_error);
    EXPECT_EQ(ran, QStringList{"Sxara"});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
