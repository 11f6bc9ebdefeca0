#pragma once

#include <optional>
#include <string>

#include "db/UserMessage.h"

namespace lumo {

// The generation character (辈份字) of two-character given names. "第二个字" and "第三个字" count
// the family name as the first character, so they are the first and the second character of the
// given name. Lives in memory only: off at start-up, never saved.
struct GenerationCharSetting {
    bool enabled = false;
    bool fixesSecond = false;
    std::string secondChar;  // GBK, as typed (not checked to be one hanzi)
    bool fixesThird = false;
    std::string thirdChar;
};

// The setting restricts candidates: it is on and names a position.
inline bool FixesACharacter(const GenerationCharSetting& s) {
    return s.enabled && (s.fixesSecond || s.fixesThird);
}

// The radio buttons of the dialog "设置辈份".
enum class GenerationCharChoice {
    None,    // 单选框_不设置辈份
    Second,  // 单选框_设置第二个字
    Third,   // 单选框_设置第三个字
};

// The radio button the dialog selects when it opens. After 取消 the setting is off but keeps its
// position, and the dialog shows that position again.
GenerationCharChoice ChoiceShownFor(const GenerationCharSetting& setting);

// 确定: applies the choice with the text of the position's edit box. An empty box is refused with
// the warning that the dialog shows; the setting is then unchanged and the dialog stays open.
std::optional<UserMessage> ConfirmGenerationChar(GenerationCharSetting& setting,
                                                 GenerationCharChoice choice,
                                                 const std::string& typed);

// 取消: the setting goes off; the position and the characters stay.
void CancelGenerationChar(GenerationCharSetting& setting);

}  // namespace lumo
