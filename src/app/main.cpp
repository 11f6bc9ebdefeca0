#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <cstring>
#include <iostream>

#include "app/AppContext.h"
#include "app/MainController.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "content/Version.h"
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

// --version and --help answer on the terminal without opening a window (or needing a display).
bool AnsweredOnTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "lumo " << lumo::ProgramVersion() << "\n";
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "Lumo取名软件 " << lumo::ProgramVersion()
                      << "\n\n用法：lumo [--version] [--help]\n"
                         "打开起名的主窗口。命令行版本见 lumo-cli --help。\n";
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredOnTerminal(argc, argv)) return 0;
    QApplication app(argc, argv);
    app.setApplicationName("lumo");
    app.setOrganizationName("lumo");
    app.setDesktopFileName("org.lumo.Naming");  // the installed menu entry and icon

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
