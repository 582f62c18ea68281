#pragma once
// Lets a report that comes later, from the event loop (how a shell open
// ended), reach its asker only while the asker still exists.

#include <memory>

#include "platform/platform.h"

namespace brisel::platform {

class Lifetime {
public:
    // `done`, made to do nothing once this object is gone.
    OpenDone Guard(OpenDone done) const {
        return [alive = std::weak_ptr<int>(token_), done = std::move(done)](OpenResult result) {
            if (!alive.expired()) done(result);
        };
    }

private:
    std::shared_ptr<int> token_ = std::make_shared<int>(0);
};

}  // namespace brisel::platform
