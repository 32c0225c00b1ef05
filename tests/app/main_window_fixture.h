#pragma once

#include "app/backup_restore.h"
#include "app/main_form.h"
#include "app/splash_form.h"
#include "app/startup.h"
#include "data/data_module.h"
#include "platform/core/message_recorder.h"
#include "platform/db/dataset.h"
#include "support/test_database.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Starts the program as a user would: the alias of the data folder is registered first, the
// start-up sequence runs, and the splash is clicked away as soon as the splash loop runs. Message
// boxes are answered by the recorder; the tip timer is stopped so that no tip box opens while a
// test lets events run.
class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        Start();
    }

    // Runs the start-up sequence; the splash is clicked as soon as the splash loop shows it.
    void Start()
    {
        QTimer splashClicker;
        splashClicker.setInterval(1);
        QObject::connect(&splashClicker, &QTimer::timeout, [] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *splash = qobject_cast<TSplash *>(window); splash && splash->isVisible())
                    splash->FormClick();
        });
        splashClicker.start();
        main = tav::app::StartTavrolin();
        main->Timer1->stop();
    }

    void TearDown() override
    {
        main.reset();
        tav::app::SetFolderChooser({});
        // Closed as a program that ended leaves them.
        tav::app::CloseSharedDatasets();
    }

    static QString DataPath() { return TestDataFolder(); }

    // The thirteen shared datasets, in the order the backup closes them.
    static std::vector<TDataSet *> SharedDatasets()
    {
        TTavrolinDM &dm = TavrolinDM();
        return {&dm.Agvnes,      &dm.Omades,     &dm.POmades,  &dm.Diorganvseis, &dm.TeamStat,
                &dm.Kathgories,  &dm.Krath,      &dm.Periodos, &dm.LookUpTable,  &dm.TeamNames,
                &dm.CheckAgvnes, &dm.TyposKathg, &dm.Deltia};
    }

    static void OpenSharedDatasets()
    {
        for (TDataSet *dataSet : SharedDatasets())
            if (!dataSet->Active())
                dataSet->Open();
    }

    // Answers every folder question with the folder given (empty: the user cancels) and
    // remembers the folder each question started at.
    void AnswerFolder(const QString &folder)
    {
        tav::app::SetFolderChooser([this, folder](QWidget *, const QString &start, QString &chosen) {
            chooserStarts.append(start);
            if (folder.isEmpty())
                return false;
            chosen = folder;
            return true;
        });
    }

    MessageRecorder messages;
    std::unique_ptr<TFrmMain> main;
    QStringList chooserStarts;
};
