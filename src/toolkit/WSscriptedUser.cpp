#include "toolkit/WSscriptedUser.h"

#include <utility>

#include "toolkit/WSNames.h"
#include "toolkit/WSdialogs.h"

std::vector<WSshownMessage> WSscriptedUser::takeMessages() {
    return std::exchange(messages_, {});
}

std::vector<std::string> WSscriptedUser::takeFileDialogPlaces() {
    return std::exchange(file_dialog_places_, {});
}

std::optional<std::string> WSscriptedUser::chooseFile(WSCfileSelect& dialog) {
    file_dialog_places_.push_back(std::string(dialog.getProperty(_WSNx()).text()) + "," +
                                  dialog.getProperty(_WSNy()).text());
    return nextAnswer();
}

std::vector<std::string> WSscriptedUser::takeSaveProposals() {
    return std::exchange(save_proposals_, {});
}

std::optional<std::string> WSscriptedUser::chooseSaveFile(const std::string& proposed_path) {
    save_proposals_.push_back(proposed_path);
    return nextAnswer();
}

std::optional<std::string> WSscriptedUser::nextAnswer() {
    if (answers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void WSscriptedUser::takeMessage(WSCmessageDialog& dialog) {
    messages_.push_back({dialog.getProperty(_WSNlabelString()).text(),
                         dialog.getProperty(_WSNx()).text(), dialog.getProperty(_WSNy()).text()});
}
