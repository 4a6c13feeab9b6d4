#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/WSscriptedUser.h"
#include "toolkit/toolkit.h"

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { WSinstallDialogResponder(&responder); }
    void TearDown() override { WSinstallDialogResponder(nullptr); }
    WSscriptedUser responder;
};

TEST_F(Dialogs, AConfirmedFileGivesItsPathAndItsNameWithoutFolder)
{
    responder.queueAnswer("/data/sounds/kick.wav");
    WSCfileSelect* dialog = WSGIappFileSelect();
    ASSERT_EQ(dialog->popup(), 1);
    EXPECT_STREQ(dialog->getFileName().getString(), "/data/sounds/kick.wav");
    EXPECT_STREQ(dialog->getProperty(_WSNfileName()).text(), "kick.wav");
    EXPECT_EQ(dialog->lastDirectory(), "/data/sounds");
}

TEST_F(Dialogs, ACancelReturnsOtherThanOneAndKeepsTheLastChoice)
{
    responder.queueAnswer("/a/first.wav");
    responder.queueAnswer(std::nullopt);
    responder.queueAnswer("");
    WSCfileSelect* dialog = WSGIappFileSelect();
    dialog->setPropertyV(_WSNx(), "120");
    dialog->setPropertyV(_WSNy(), "130");
    ASSERT_EQ(dialog->popup(), 1);
    EXPECT_NE(dialog->popup(), 1);
    EXPECT_STREQ(dialog->getProperty(_WSNfileName()).text(), "first.wav");
    EXPECT_NE(dialog->popup(), 1);
    EXPECT_NE(dialog->popup(), 1) << "with no answer left the user cancels";
    EXPECT_EQ(responder.takeFileDialogPlaces(), (std::vector<std::string>(4, "120,130")));
}

TEST_F(Dialogs, TheMessageDialogHandsItsTextAndPlaceToTheResponder)
{
    WSCmessageDialog* dialog = WSGIappMessageDialog();
    dialog->setPropertyV(_WSNx(), "120");
    dialog->setPropertyV(_WSNy(), "120");
    dialog->setPropertyV(_WSNlabelString(), "file not found");
    dialog->popup();
    EXPECT_EQ(responder.takeMessages(), (std::vector<WSshownMessage>{{"file not found", "120", "120"}}));
    EXPECT_TRUE(responder.takeMessages().empty());
    EXPECT_EQ(WSGIappMessageDialog(), dialog);
}

TEST(DialogsWithoutAnswer, TheFileDialogCancelsWhenNothingCanShowIt)
{
    WSinstallDialogResponder(nullptr);
    EXPECT_NE(WSGIappFileSelect()->popup(), 1);
}

}  // namespace
