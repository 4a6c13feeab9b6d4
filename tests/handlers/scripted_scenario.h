#pragma once

#include <string>
#include <vector>

#include "cli/replay_script.h"
#include "scenario.h"
#include "toolkit/WSdesktop.h"

// A scenario driven by the lines a replay script holds, so that a walk reads as a user's
// script.
class ScriptedScenario : public Scenario {
  protected:
    // Does what one line of a replay script says; the files it names are in the test's folder.
    void perform(const std::string& line) {
        std::string error;
        const auto action = parseReplayLine(line, error);
        ASSERT_EQ(error, "");
        if (!action) return;
        const std::vector<int>& at = action->numbers;
        switch (action->verb) {
            case ReplayVerb::load:
                return load((dir.path() / action->argument).string());
            case ReplayVerb::cancel:
                user.queueAnswer(std::nullopt);
                return session.click(names::kSelectButton);
            case ReplayVerb::size:
                return choose(action->argument.c_str());
            case ReplayVerb::slide:
                return slideTo(at[0]);
            case ReplayVerb::release:
                return letGo();
            case ReplayVerb::back:
                return session.click(names::kBackButton);
            case ReplayVerb::forw:
                return session.click(names::kForwButton);
            case ReplayVerb::key:
                return session.key(focused.c_str(), action->argument.c_str());
            case ReplayVerb::focus:
                focused = action->argument;
                return session.focus(focused.c_str());
            case ReplayVerb::point:
                return session.point(at[0], at[1]);
            case ReplayVerb::click:
                return session.click(at[0], at[1]);
            case ReplayVerb::drag:
                return session.drag(at[0], at[1], at[2], at[3]);
            case ReplayVerb::leave:
                return session.leave();
            case ReplayVerb::resize:
                return session.resize(at[0], at[1]);
            case ReplayVerb::reference_hold:
                WSchooseDesktopAction(names::kHoldReferenceEntry);
                return;
            case ReplayVerb::reference_open:
                user.queueAnswer((dir.path() / action->argument).string());
                user.queueNumber(at[0]);
                WSchooseDesktopAction(names::kOpenReferenceEntry);
                user.dropAnswers();
                return;
            case ReplayVerb::reference_drop:
                WSchooseDesktopAction(names::kDropReferenceEntry);
                return;
            case ReplayVerb::difference:
                WSchooseDesktopAction(names::kShowDifferenceEntry, action->argument == "on");
                return;
            case ReplayVerb::wheel:
                return session.wheel(at[0], at[1], at[2]);
            case ReplayVerb::axis:
                WSchooseDesktopAction(names::kLogarithmicAxisEntry, action->argument == "log");
                return;
            default:  // the picker's actions
                FAIL() << "the walks open no excerpt: " << line;
        }
    }

    std::string focused = names::kPositionSlider;  // where the keys go
};
