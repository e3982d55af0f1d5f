#pragma once

#include "gui/event_queue.h"
#include "support/working_folder.h"

#include <functional>

// Runs the real program inside a test: start-up in a temporary working folder, events through the real
// dispatch, shutdown at the end.
namespace testing_support {

class Program {
public:
    // Prepares the working folder (icon set, help, the given collection unless 'withCollection' is false),
    // then runs the program's start-up.
    explicit Program(const std::vector<Entry>& entries = {}, bool withCollection = true);
    ~Program();

    WorkingFolder& folder() { return folder_; }

    // Dispatches queued events (after letting Qt deliver its own) until none is left.
    void settle();

private:
    WorkingFolder folder_;
};

// Answers the next modal dialog from inside its own loop: 'answer' gets the active modal widget.
void answerNextModal(std::function<void(QWidget*)> answer);

} // namespace testing_support
