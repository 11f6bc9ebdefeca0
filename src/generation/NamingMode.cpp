#include "generation/NamingMode.h"

namespace lumo {

ModeTraits TraitsOf(NamingMode mode) {
    switch (mode) {
        case NamingMode::HighScore:
            return {true,
                    ResultList::HighScore,
                    1,
                    10000,
                    true,
                    RunControl::HighScorePause,
                    RunControl::HighScoreExport};
        case NamingMode::Classic:
            return {false, ResultList::HighScore, 10, 0, false, {}, {}};
        case NamingMode::SuperAuspicious:
            return {true,
                    ResultList::SuperAuspicious,
                    9,
                    100000,
                    true,
                    RunControl::SuperPause,
                    RunControl::SuperExport};
        case NamingMode::Poetry:
            return {true, ResultList::Poetry, 2, 0, false, {}, {}};
        case NamingMode::Combination:
            return {true, ResultList::Combination, 3, 0, false, {}, {}};
        case NamingMode::Nickname:
            return {true, ResultList::Nickname, 4, 0, false, {}, {}};
        case NamingMode::English:
            return {false, ResultList::HighScore, 5, 0, false, {}, {}};
    }
    return {};
}

}  // namespace lumo
