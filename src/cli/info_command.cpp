#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_commands.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdialogs.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"

// sefaro-cli info FILE: loads FILE as the "select WAVE" button does and prints the texts of
// the four information labels; every message the user would see goes to stderr.
namespace {

// Stands in for the user: chooses FILE in the file dialog and reads each message.
class InfoResponder : public WSdialogResponder {
  public:
    explicit InfoResponder(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseFile(WSCfileSelect&) override { return path_; }
    void takeMessage(WSCmessageDialog& dialog) override {
        std::fprintf(stderr, "%s\n", dialog.getProperty(_WSNlabelString()).text());
    }

  private:
    std::string path_;
};

// No window, so no position for the messages.
constexpr const char* kMessageX = "0";
constexpr const char* kMessageY = "0";

}  // namespace

int runInfo(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fputs("usage: sefaro-cli info FILE\n", stderr);
        return kExitUsage;
    }
    InfoResponder responder(argv[1]);
    WSinstallDialogResponder(&responder);

    // The name comes from the file dialog, as the window's name label gets it.
    WSCfileSelect* dialog = WSGIappFileSelect();
    dialog->popup();
    const std::string path = dialog->getFileName().getString(-2);
    const std::string name = dialog->getProperty(_WSNfileName()).text();

    const WaveReadOutcome outcome = readWaveFile(path.c_str(), kMessageX, kMessageY);
    WSinstallDialogResponder(nullptr);
    if (outcome == WaveReadOutcome::refused) return kExitRefused;

    std::printf("name: %s\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: %ld\n", name.c_str(),
                maxsize);
    return kExitOk;
}
