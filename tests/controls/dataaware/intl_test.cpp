#include "controls/dataaware/dq_intl.h"

#include <QEvent>

#include <gtest/gtest.h>

namespace {

// Keeps the global holder as it was for the tests that follow.
class IntlTest : public testing::Test
{
protected:
    void TearDown() override { dqIntl() = saved_; }

    TdqIntl saved_ = dqIntl();
};

} // namespace

TEST_F(IntlTest, DefaultsAndVersion)
{
    TdqIntl intl;
    EXPECT_EQ(intl.UserMessages.PictureValidateError, "Invalid characters. Field : ");
    EXPECT_EQ(intl.Navigator.ConfirmDeleteMessage, "Delete record?");
    EXPECT_EQ(intl.Navigator.Hints.PriorPageHint, "Move backward %d records");
    EXPECT_TRUE(intl.ADO.UseLocateWhenFindingValue);
    EXPECT_EQ(intl.CheckBoxInGridStyle(), cbStyleAuto);
    EXPECT_EQ(intl.FilterMemoSize, 65536);
    EXPECT_EQ(intl.DefaultEpochYear, 1950);
    intl.SetVersionDq("9.9");
    EXPECT_EQ(intl.VersionDq(), "2.0.20");
}

TEST_F(IntlTest, ConnectedHolderCopiesIntoTheGlobalOne)
{
    struct Case
    {
        const char *given;
        const char *global;
    };
    for (const Case &c : {Case{"x", "x.ini"}, Case{".ini", ""}, Case{"", ""}}) {
        SCOPED_TRACE(c.given);
        TdqIntl form;
        form.UserMessages.PictureValidateError = "Άκυροι χαρακτήρες στο πεδίο ";
        form.BtnCancelCaption = "Άκυρο";
        form.SetIniFileName(c.given);
        EXPECT_EQ(dqIntl().UserMessages.PictureValidateError, saved_.UserMessages.PictureValidateError);
        form.SetConnected(true);
        EXPECT_EQ(dqIntl().UserMessages.PictureValidateError, "Άκυροι χαρακτήρες στο πεδίο ");
        EXPECT_EQ(dqIntl().BtnCancelCaption, "Άκυρο");
        EXPECT_EQ(dqIntl().IniFileName(), c.global);
        EXPECT_EQ(form.IniFileName(), c.given);
        form.SetCheckBoxInGridStyle(cbStyleXmark);
        EXPECT_EQ(dqIntl().CheckBoxInGridStyle(), cbStyleXmark);
        dqIntl() = saved_;
    }
    // A holder that is not connected keeps its values to itself.
    TdqIntl loose;
    loose.SetCheckBoxInGridStyle(cbStyleCheckmark);
    EXPECT_EQ(dqIntl().CheckBoxInGridStyle(), cbStyleAuto);
}

TEST_F(IntlTest, DatePickerEventIsRegisteredOnce)
{
    const int type = dqDatePickerDestroyCalendarEvent();
    EXPECT_GE(type, QEvent::User);
    EXPECT_EQ(dqDatePickerDestroyCalendarEvent(), type);
}
