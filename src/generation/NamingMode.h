#pragma once

#include <cstddef>

namespace lumo {

// The seven naming modes, one per mode radio button of the main window.
enum class NamingMode {
    HighScore,        // 单选框_高分起名
    Classic,          // 单选框_经典起名
    SuperAuspicious,  // 单选框_超吉起名
    Poetry,           // 单选框_诗词起名
    Combination,      // 单选框_组合起名
    Nickname,         // 单选框_起小名
    English,          // 单选框_起英文名
};

// The scored result lists a run fills (the classic text and the English list have their own
// operations on the observer).
enum class ResultList {
    HighScore,        // 超级列表框_高分起名
    SuperAuspicious,  // 超级列表框_超吉起名
    Poetry,           // 超级列表框_诗名列表
    Combination,      // 超级列表框_组合列表
    Nickname,         // 超级列表框_小名列表
};

// The controls whose enabled state or caption a run (or its pause button) changes.
enum class RunControl {
    ModeSelectionTool,  // toolbar button 0 "模式选择"
    ModeSelectionMenu,  // menu entry "模式选择"
    HighScorePause,     // 按钮_高分暂停
    HighScoreAgain,     // 按钮_再生成一次
    HighScoreExport,    // 按钮_高分导出
    SuperPause,         // 按钮_超吉暂停
    SuperGenerate,      // 按钮_超吉生成
    SuperExport,        // 按钮_超吉导出
    NicknameGenerate,   // 按钮_起小名
};

// The two tab controls whose pages a run switches.
enum class TabControl {
    Main,    // 高级选择夹1
    Poetry,  // 高级选择夹2, inside page 2 of the main one
};

// Facts of a mode that the run and the desktop share.
struct ModeTraits {
    bool scored = false;                      // goes through the scoring pass
    ResultList list = ResultList::HighScore;  // meaningful when scored
    int resultPage = 0;                       // page of 高级选择夹1 holding the result
    std::size_t rowCap = 0;  // most names a run lists; 0 when only the candidates bound it
    bool hasPauseButton = false;
    RunControl pauseButton = RunControl::HighScorePause;    // when hasPauseButton
    RunControl exportButton = RunControl::HighScoreExport;  // when hasPauseButton
};

ModeTraits TraitsOf(NamingMode mode);

}  // namespace lumo
