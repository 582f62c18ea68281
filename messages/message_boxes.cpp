#include "messages/message_boxes.h"

namespace brisel::messages {

void Say(MessageBoxes& boxes, const Message& message) {
    if (message.Beeps()) boxes.Beep();
    boxes.ShowMessage(message);
    if (message.focusSource) boxes.FocusSource();
}

}  // namespace brisel::messages
