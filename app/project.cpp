// Program entry: the application object, the main window, the message loop.
#include "app/application.h"
#include "app/index.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
    // The browser shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TApplication app(argc, argv);
    app.setApplicationName("Kelvora 2012");
    InstallFontFallbacks();
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
