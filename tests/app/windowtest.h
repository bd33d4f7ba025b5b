#pragma once

// The fixture of the tests that drive the whole main window: the program started in a
// sandbox whose current folder holds the shipped tax-rate file, with scripted prompts.

#include "app/apptesthelpers.h"

#include "app/ciftaapp.h"
#include "app/cmainframe.h"
#include "cli/clirun.h"
#include "records/ciftadoc.h"
#include "session/csession.h"
#include "ui/commandids.h"
#include "views/ciftaview.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <QTableView>

#include <memory>

namespace apptest {

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rates = box.copySample("ifta.itx");
        startApp();
    }
    // The program started (again, after `app.reset()`) with the recovery folder and day
    // of the tests.
    void startApp()
    {
        app = std::make_unique<CIftaApp>(&prompts);
        app->setRecoveryFolder(box.path("recovery"));
        // A day on which the sample quarter (2Q2026) is still on time, for the window and
        // for the tollmark-cli a test runs beside it.
        app->session().clock().fix(CivilDate{2026, 7, 2});
        ASSERT_TRUE(app->InitInstance({}));
        frame = app->mainFrame();
        view = frame->view();
    }
    void TearDown() override { app.reset(); }

    CIftaDoc &doc() { return app->document(); }
    QAbstractItemModel *model() { return view->list()->model(); }
    int rows() { return model()->rowCount(); }
    QString cell(int row, int column) { return model()->index(row, column).data().toString(); }
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 0; r < rows(); ++r)
            texts << cell(r, c);
        return texts;
    }
    // A trip typed into the real entry dialog by Add New.
    void addTrip(const QString &state, const QString &distance, const QString &fuel, QDate date)
    {
        prompts.entries.push_back(TypeTrip(prompts, state, distance, fuel, date));
        ASSERT_TRUE(frame->OnCommand(ID_EDIT_ADD_NEW));
    }

    ScopedToday today{"2026-07-02"};
    Sandbox box;
    QString rates; // the shipped table, as ifta.itx of the current folder
    ScriptedPrompts prompts;
    std::unique_ptr<CIftaApp> app;
    CMainFrame *frame = nullptr;
    CIftaView *view = nullptr;
};

} // namespace apptest
