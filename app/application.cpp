#include "app/application.h"

#include "platform/ansitext.h"
#include "platform/fonts.h"
#include "storage/exception.h"

#include <QMessageBox>

namespace {

// Settings that must be made before the application object exists.
int& BeforeConstruction(int& argc) {
    // The browser shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return argc;
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(BeforeConstruction(argc), argv) {
    setApplicationName("Kelvora 2012");  // the application title, caption of the error box
    InstallFontFallbacks();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

std::string TApplication::ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void TApplication::HandleException(std::exception_ptr error) {
    std::string message;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error";
    }
    const QString text = AnsiToText(ErrorBoxText(message));
    if (errorBoxHook) {
        errorBoxHook(text);
        return;
    }
    // Owned by no window, modal to the whole program: other windows take no
    // input while it is open, but timers and posted events go on.
    QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
