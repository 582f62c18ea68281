#pragma once
// A conversion told in message boxes, as the window tells it: each warning
// and the outcome in a box of its own, with a beep before each warning and
// error, and the focus back on the source path after a refusal.

#include <string>

#include "convert/conversion_report.h"
#include "messages/messages.h"

namespace brisel::messages {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Sets the progress caption and repaints it at once.
    virtual void SetProgressCaption(const std::string& caption) = 0;
    // A modal message box with an OK button; returns when it is closed.
    virtual void ShowMessage(const Message& message) = 0;
    virtual void Beep() = 0;
    // Moves the keyboard focus to the source path box.
    virtual void FocusSource() = 0;
};

// The beep, the box and the focus move of one message.
void Say(MessageBoxes& boxes, const Message& message);

class BoxReporter : public ConversionReporter {
public:
    BoxReporter(MessageBoxes& boxes, const JobSettings& settings) : boxes_(boxes), settings_(settings) {}
    void Progress(const ProgressStep& step) override { boxes_.SetProgressCaption(ProgressCaption(step)); }
    void Warning(RunWarning warning) override { Say(boxes_, ForWarning(warning)); }
    void Finished(const Outcome& outcome) override { Say(boxes_, ForOutcome(outcome, settings_)); }

private:
    MessageBoxes& boxes_;
    const JobSettings& settings_;
};

}  // namespace brisel::messages
