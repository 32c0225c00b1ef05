#include "db_controls_fixture.h"

#include "platform/ui/db_grid.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>

namespace {

class DbGridTest : public DbControlsTest
{
protected:
    void SetUp() override
    {
        DbControlsTest::SetUp();
        grid = std::make_unique<TDBGrid>();
        grid->resize(600, 300);
        grid->SetDataSource(&teamSource);
        for (const char *name : {"TeamNo", "Name", "Goals"})
            grid->Columns().Add().SetFieldName(name);
        grid->show();
        // An active window: the focus moves between the grid and its editors as the user sees it.
        grid->activateWindow();
        QCoreApplication::processEvents();
        grid->setFocus();
    }

    QLineEdit *Editor() const
    {
        for (QLineEdit *editor : grid->findChildren<QLineEdit *>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Types into the current cell, as a user does: the first key opens the editor.
    void TypeInCell(const QString &text)
    {
        Key(grid.get(), Qt::Key_A, text.left(1));
        ASSERT_TRUE(grid->EditorMode());
        Type(Editor(), text.mid(1));
    }

    std::unique_ptr<TDBGrid> grid;
};

TEST_F(DbGridTest, EditingACellPostsThroughTheDatasetWhenTheRowIsLeft)
{
    grid->SetSelectedIndex(2);
    TypeInCell("75");
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    EXPECT_EQ(Editor()->text(), QString("75"));

    Key(grid.get(), Qt::Key_Down);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Stored(1, "Goals").toInt(), 75);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(teams->RecNo(), 2);
    EXPECT_EQ(grid->CellText(0, 2), QString("75"));
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(DbGridTest, ATextTheFieldRefusesIsShownAndTheEditStays)
{
    grid->SetSelectedIndex(2);
    TypeInCell("x1");
    Key(Editor(), Qt::Key_Return, "\r");

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().caption, QString::fromUtf8("Σφάλμα"));
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(Editor()->text(), QString("x1"));
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);

    // Leaving the row is refused the same way: the dataset stays on the record.
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(teams->RecNo(), 1);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(Stored(1, "Goals").toInt(), 3);
}

TEST_F(DbGridTest, APastedTextIsCutToTheFieldSizeAtAWholeCharacter)
{
    // Name holds 20 UTF-16 units; each trophy takes two.
    const QString trophy = "🏆";
    grid->SetSelectedIndex(1);
    TypeInCell("Α");
    QApplication::clipboard()->setText(trophy.repeated(25));
    Key(Editor(), Qt::Key_V, {}, Qt::ControlModifier);
    EXPECT_EQ(Editor()->text(), "Α" + trophy.repeated(9));
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(Stored(1, "Name").toString(), "Α" + trophy.repeated(9));
}

TEST_F(DbGridTest, LeavingTheRowWithARefusedTextShowsOneMessage)
{
    teams->Next();
    grid->SetSelectedIndex(2);
    TypeInCell("x1");
    Key(Editor(), Qt::Key_Up);

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(Editor()->text(), QString("x1"));
    EXPECT_EQ(teams->RecNo(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(DbGridTest, APostWritesTheOpenEditorAndACancelDropsIt)
{
    grid->SetSelectedIndex(2);
    TypeInCell("75");
    ASSERT_TRUE(teams->Post());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(Stored(1, "Goals").toInt(), 75);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);

    Key(grid.get(), Qt::Key_Insert);
    grid->SetSelectedIndex(0);
    TypeInCell("9");
    teams->Cancel();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(teams->RecordCount(), 3);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(DbGridTest, APostTheTableRefusesKeepsTheRecordInEditState)
{
    grid->SetSelectedIndex(1);
    TypeInCell("AEK");
    Editor()->setText(QString::fromUtf8("ΑΕΚ"));
    Key(grid.get(), Qt::Key_Down);

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(teams->State(), TDataSetState::dsEdit);
    EXPECT_EQ(teams->RecNo(), 1);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(Stored(1, "Name").toString(), QString::fromUtf8("Ολυμπιακός"));
}

TEST_F(DbGridTest, DownOnTheLastRowAppendsAndAnUnchangedNewRowIsDroppedWhenLeft)
{
    teams->Last();
    EXPECT_EQ(grid->Row(), 2);
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(teams->State(), TDataSetState::dsInsert);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->Row(), 3);

    Key(grid.get(), Qt::Key_Up);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(teams->RecordCount(), 3);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(teams->RecNo(), 3);
}

TEST_F(DbGridTest, TheInsertKeyAppendsARecordThatIsPostedWhenLeft)
{
    Key(grid.get(), Qt::Key_Insert);
    ASSERT_EQ(teams->State(), TDataSetState::dsInsert);
    EXPECT_EQ(grid->Row(), 3);
    grid->SetSelectedIndex(0);
    TypeInCell("9");
    grid->SetSelectedIndex(1);
    TypeInCell("Ionikos");
    Key(grid.get(), Qt::Key_Up);

    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(teams->RecordCount(), 4);
    EXPECT_EQ(Stored(9, "Name").toString(), QString("Ionikos"));
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(DbGridTest, TheCurrentRowAndTheDatasetCursorFollowEachOther)
{
    teams->Last();
    EXPECT_EQ(grid->Row(), 2);
    teams->Locate("TeamNo", {2});
    EXPECT_EQ(grid->Row(), 1);

    grid->setCurrentIndex(grid->model()->index(0, 1));
    EXPECT_EQ(teams->RecNo(), 1);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(teams->FieldByName("TeamNo").AsInteger(), 2);
}

TEST_F(DbGridTest, KeyHandlersMoveBetweenColumnsAndColumnEnterIsReported)
{
    int entered = 0;
    grid->OnColEnter = [&]() { ++entered; };
    grid->OnKeyPress = [&](QChar &key) {
        if (key == '\r' && grid->SelectedIndex() < 2)
            grid->SetSelectedIndex(grid->SelectedIndex() + 1);
    };
    grid->SetSelectedIndex(1);
    TypeInCell("Olympiakos");
    Key(Editor(), Qt::Key_Return, "\r");

    EXPECT_EQ(grid->SelectedIndex(), 2);
    EXPECT_EQ(entered, 2);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(teams->FieldByName("Name").AsString(), QString("Olympiakos"));

    int seen = 0;
    grid->OnKeyDown = [&](int &key, Qt::KeyboardModifiers) {
        seen = key;
        key = 0;
    };
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(seen, int(Qt::Key_Down));
    EXPECT_EQ(teams->RecNo(), 1);
}

TEST_F(DbGridTest, OwnerDrawingPaintsCellsOfTheRowBeingDrawn)
{
    const QColor win(155, 241, 153);
    QStringList drawn;
    grid->OnDrawColumnCell = [&](const TRect &rect, int dataCol, TColumn &column, TGridDrawState state,
                                 TCanvas &canvas) {
        if (column.FieldName() != "Goals")
            return;
        drawn.append(grid->CellText(grid->DrawingRow(), dataCol));
        if (grid->CellText(grid->DrawingRow(), dataCol) == "1")
            canvas.Brush.Color = win;
        canvas.Font.Style = {fsBold};
        grid->DefaultDrawColumnCell(rect, dataCol, column, state, canvas);
    };
    grid->setCurrentIndex(grid->model()->index(0, 0));
    const QImage picture = grid->viewport()->grab().toImage();
    EXPECT_TRUE(drawn.contains("1"));
    const TRect cell = grid->CellRect(2, 1);
    EXPECT_EQ(picture.pixelColor(cell.Right - 2, cell.Top + 2), win);
    const TRect other = grid->CellRect(2, 2);
    EXPECT_NE(picture.pixelColor(other.Right - 2, other.Top + 2), win);
}

TEST_F(DbGridTest, CtrlDeleteAsksBeforeDeleting)
{
    messages.QueueAnswer(mrNo);
    Key(grid.get(), Qt::Key_Delete, {}, Qt::ControlModifier);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, QString::fromUtf8("Διαγραφή εγγραφής;"));
    EXPECT_EQ(teams->RecordCount(), 3);

    messages.QueueAnswer(mrYes);
    Key(grid.get(), Qt::Key_Delete, {}, Qt::ControlModifier);
    EXPECT_EQ(teams->RecordCount(), 2);
    EXPECT_EQ(grid->model()->rowCount(), 2);
}

TEST_F(DbGridTest, AReadOnlyGridOpensNoEditor)
{
    grid->SetReadOnly(true);
    Key(grid.get(), Qt::Key_A, "a");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    Key(grid.get(), Qt::Key_Insert);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
}

QStringList &LoggedWarnings()
{
    static QStringList warnings;
    return warnings;
}

// Painting reads every role of the headers as a value of its own type: nothing the grid answers
// makes Qt complain (an empty text read as a font did, once for every row painted).
TEST_F(DbGridTest, PaintingLogsNoWarnings)
{
    LoggedWarnings().clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                LoggedWarnings().append(message);
        });
    ASSERT_TRUE(grid->verticalHeader()->isVisible());
    grid->grab();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(LoggedWarnings().isEmpty()) << LoggedWarnings().join('\n').toStdString();
}

} // namespace
