#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/WSbackend.h"
#include "toolkit/toolkit.h"

namespace {

struct ScriptedResponder : WSdialogResponder {
    std::optional<std::string> answer;
    std::vector<std::string> messages;

    std::optional<std::string> chooseFile(WSCfileSelect&) override { return answer; }
    void takeMessage(WSCmessageDialog& dialog) override
    {
        messages.push_back(std::string(dialog.getProperty(_WSNx()).text()) + "," +
                           dialog.getProperty(_WSNy()).text() + ":" +
                           dialog.getProperty(_WSNlabelString()).text());
    }
};

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { WSinstallDialogResponder(&responder); }
    void TearDown() override { WSinstallDialogResponder(nullptr); }
    ScriptedResponder responder;
};

TEST_F(Dialogs, AConfirmedFileGivesItsPathAndItsNameWithoutFolder)
{
    responder.answer = "/data/sounds/kick.wav";
    WSCfileSelect* dialog = WSGIappFileSelect();
    ASSERT_EQ(dialog->popup(), 1);
    EXPECT_STREQ(dialog->getFileName().getString(), "/data/sounds/kick.wav");
    EXPECT_STREQ(dialog->getProperty(_WSNfileName()).text(), "kick.wav");
    EXPECT_EQ(dialog->lastDirectory(), "/data/sounds");
}

TEST_F(Dialogs, ACancelReturnsOtherThanOneAndKeepsTheLastChoice)
{
    responder.answer = "/a/first.wav";
    WSCfileSelect* dialog = WSGIappFileSelect();
    ASSERT_EQ(dialog->popup(), 1);
    responder.answer.reset();
    EXPECT_NE(dialog->popup(), 1);
    EXPECT_STREQ(dialog->getProperty(_WSNfileName()).text(), "first.wav");
    responder.answer = "";
    EXPECT_NE(dialog->popup(), 1);
}

TEST_F(Dialogs, TheMessageDialogHandsItsTextAndPlaceToTheResponder)
{
    WSCmessageDialog* dialog = WSGIappMessageDialog();
    dialog->setPropertyV(_WSNx(), "120");
    dialog->setPropertyV(_WSNy(), "120");
    dialog->setPropertyV(_WSNlabelString(), "file not found");
    dialog->popup();
    EXPECT_EQ(responder.messages, (std::vector<std::string>{"120,120:file not found"}));
    EXPECT_EQ(WSGIappMessageDialog(), dialog);
}

TEST(DialogsWithoutAnswer, TheFileDialogCancelsWhenNothingCanShowIt)
{
    WSinstallDialogResponder(nullptr);
    EXPECT_NE(WSGIappFileSelect()->popup(), 1);
}

}  // namespace
