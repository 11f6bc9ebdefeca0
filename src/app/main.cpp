#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "ui/MainWindow.h"

namespace {

// Prefer a font that has every Chinese glyph the pages use.
void ChooseFont(QApplication& app) {
    for (const char* family : {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei"}) {
        if (QFontDatabase::hasFamily(family)) {
            QFont f(family);
            f.setPointSize(9);
            app.setFont(f);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("lumo");
    app.setOrganizationName("lumo");

    lumo::app::SingleInstance instance;
    if (!instance.Acquire()) return 0;  // another instance runs: leave without a word

    ChooseFont(app);
    lumo::app::InstallChineseTranslations(app);
    lumo::app::AppContext context(QCoreApplication::applicationDirPath());
    lumo::ui::MainWindow window;
    lumo::app::MainController controller(context, window);
    window.show();
    controller.Start();
    QObject::connect(&app, &QApplication::aboutToQuit, &controller, &lumo::app::MainController::Shutdown);
    int code = app.exec();
    controller.Shutdown();
    return code == 0 ? 0 : code;
}
