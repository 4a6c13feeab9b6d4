#include "toolkit/WSscriptedUser.h"

#include <utility>

#include "toolkit/WSNames.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/WSexcerptPicker.h"

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

bool WSscriptedUser::chooseExcerpt(WSCexcerptPicker& picker) {
    if (excerpt_driver_) return excerpt_driver_(picker);
    if (excerpt_choices_.empty()) return false;
    const std::optional<WSexcerptChoice> choice = excerpt_choices_.front();
    excerpt_choices_.pop_front();
    if (!choice) return false;
    picker.moveTo(choice->from_s);
    return picker.chooseChannel(choice->channel);
}

std::optional<long> WSscriptedUser::chooseNumber(const WSnumberQuestion& question) {
    if (numbers_.empty()) return question.value;
    const std::optional<long> number = numbers_.front();
    numbers_.pop_front();
    return number;
}
