#pragma once

#include <string>

namespace lumo {

enum class MessageIcon { None, Information, Warning, Error };

// A message box the core wants shown: texts are GBK. The desktop turns it into a dialog, the
// command line prints the text on stderr.
struct UserMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(const UserMessage& message) = 0;
};

}  // namespace lumo
