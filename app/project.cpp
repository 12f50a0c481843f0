// Program entry: the application object, the main window, the message loop.
#include "app/application.h"
#include "app/index.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);  // titled "Kelvora 2012"
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
