#include "app/mass_export.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tav::app;

using tav::report::TMassExportContent;
using tav::report::TMassExporters;

namespace {

bool HourglassShown()
{
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

TEST(MassExportTest, TheExportersRunUnderTheHourglassAndTheCursorComesBackAfterwards)
{
    struct Case
    {
        const char *name;
        bool fails;
    };
    for (const Case &c : {Case{"done", false}, Case{"disk full", true}}) {
        SCOPED_TRACE(c.name);
        QList<bool> hourglass;
        TMassExporters exporters;
        exporters[TMassExportContent::Baum] = [&hourglass] { hourglass.append(HourglassShown()); };
        exporters[TMassExportContent::Odds] = [&hourglass, c] {
            hourglass.append(HourglassShown());
            if (c.fails)
                throw std::runtime_error(c.name);
        };
        const QSet<TMassExportContent> ticked{TMassExportContent::Baum, TMassExportContent::Odds};
        if (c.fails)
            EXPECT_THROW(RunMassExportUnderHourglass(ticked, exporters), std::runtime_error);
        else
            RunMassExportUnderHourglass(ticked, exporters);
        EXPECT_EQ(hourglass, (QList<bool>{true, true}));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}
