#pragma once

#include <QLockFile>
#include <memory>

namespace lumo::app {

// One running program per user: a lock file in the user's runtime folder, held for the life of
// the process. A stale lock left by a crashed instance is taken over.
class SingleInstance {
public:
    bool Acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace lumo::app
