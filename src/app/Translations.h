#pragma once

class QCoreApplication;

namespace lumo::app {

// Loads Qt's own Chinese translations (qtbase_zh_CN, from the qt6-translations-l10n package), so
// that the buttons and dialogs Qt draws itself — 确定 on a message box, the print dialog — speak
// the program's language. Answers false when they are not installed; Qt then keeps its English.
bool InstallChineseTranslations(QCoreApplication& app);

}  // namespace lumo::app
