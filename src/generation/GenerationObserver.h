#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/UserMessage.h"
#include "generation/NameRow.h"
#include "generation/NamingMode.h"

namespace lumo {

// Everything a run does to the window. The worker calls these on its own thread, in the order of
// the run's steps; the desktop forwards each call to the UI thread without waiting for it (a
// worker that waited on the UI thread could not be stopped from it), the tests record them.
// A run never reads the window: its inputs come with it (GenerationInputs).
class GenerationObserver {
  public:
    virtual ~GenerationObserver() = default;

    // The wait window "请稍等" beside the main window, not blocking it.
    virtual void OpenWaitWindow() = 0;
    virtual void CloseWaitWindow() = 0;
    virtual void ShowMessage(const UserMessage& message) = 0;
    virtual void SetEnabled(RunControl control, bool enabled) = 0;
    virtual void SetCaption(RunControl control, const std::string& caption) = 0;
    virtual void ShowPage(TabControl tabs, int page) = 0;

    // Scored lists. A run first gives the list `count` empty rows, fills them from the top in
    // batches (rows firstRow … firstRow + rows.size() - 1, numbered and complete), then removes
    // the rows that stayed empty, sorts and renumbers (NameRow.h has the shared operations).
    virtual void ReserveRows(ResultList list, std::size_t count) = 0;
    virtual void FillRows(ResultList list, std::size_t firstRow, std::vector<NameRow> rows) = 0;
    virtual void RemoveEmptyRows(ResultList list) = 0;
    virtual void SortByScore(ResultList list) = 0;
    virtual void Renumber(ResultList list) = 0;

    // 编辑框_经典名字, written whole.
    virtual void SetClassicText(const std::string& text) = 0;
    // Rows appended to 超级列表框_英文列表, already numbered.
    virtual void AddEnglishRows(std::vector<EnglishRow> rows) = 0;

    // The last call of a run that was not stopped.
    virtual void RunFinished() {}
};

}  // namespace lumo
