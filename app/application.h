#pragma once

#include <QApplication>
#include <exception>
#include <functional>
#include <string>

// Stands in for the form library's application object: every exception that
// leaves an event handler ends that handler only and is shown in the error
// box; the program keeps running.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for an exception caught outside the event system
    // (the start-up handler runs before the message loop).
    void HandleException(std::exception_ptr error);

    // Text of the error box for an exception message: a full stop is added
    // when the message is not empty and its last byte sorts after ".".
    static std::string ErrorBoxText(const std::string& message);

    // Tests look at what the error boxes said instead of clicking them away.
    std::function<void(const QString&)> errorBoxHook;
};

inline TApplication* App() { return static_cast<TApplication*>(QCoreApplication::instance()); }
