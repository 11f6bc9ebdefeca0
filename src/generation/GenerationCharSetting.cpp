#include "generation/GenerationCharSetting.h"

#include "db/Gbk.h"

namespace lumo {

GenerationCharChoice ChoiceShownFor(const GenerationCharSetting& s) {
    if (s.fixesSecond) return GenerationCharChoice::Second;
    if (s.fixesThird) return GenerationCharChoice::Third;
    return GenerationCharChoice::None;
}

std::optional<UserMessage> ConfirmGenerationChar(GenerationCharSetting& s,
                                                 GenerationCharChoice choice,
                                                 const std::string& typed) {
    switch (choice) {
        case GenerationCharChoice::None:
            s.enabled = s.fixesSecond = s.fixesThird = false;
            return std::nullopt;
        case GenerationCharChoice::Second:
            if (typed.empty())
                return UserMessage{Gbk("请输入所设定的第二个字"), Gbk("提示"),
                                   MessageIcon::Warning};
            s.enabled = s.fixesSecond = true;
            s.fixesThird = false;
            s.secondChar = typed;
            return std::nullopt;
        case GenerationCharChoice::Third:
            if (typed.empty())
                return UserMessage{Gbk("请输入所设定的第三个字"), Gbk("提示"),
                                   MessageIcon::Warning};
            s.enabled = s.fixesThird = true;
            s.fixesSecond = false;
            s.thirdChar = typed;
            return std::nullopt;
    }
    return std::nullopt;
}

void CancelGenerationChar(GenerationCharSetting& s) { s.enabled = false; }

}  // namespace lumo
