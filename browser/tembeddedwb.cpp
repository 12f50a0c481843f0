#include "browser/tembeddedwb.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

class QuietPage : public QWebEnginePage {
public:
    explicit QuietPage(QObject* parent) : QWebEnginePage(parent) {}

protected:
    // Script errors open nothing and the page's scripts go on.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
    // No page can open a second window of the program.
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};

}  // namespace

TEmbeddedWB::TEmbeddedWB(QWidget* parent) : QWebEngineView(parent) {
    setPage(new QuietPage(this));
    QWebEngineSettings* s = page()->settings();
    s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::ShowScrollBars, true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TEmbeddedWB::Navigate(const QString& address) {
    navigatedTo_ = address;
    load(QUrl(address));
}

bool TEmbeddedWB::event(QEvent* e) {
    // Key presses go to the render widget WebEngine puts inside the view:
    // watch every child as it arrives.
    if (e->type() == QEvent::ChildAdded || e->type() == QEvent::ChildPolished) {
        if (QObject* child = static_cast<QChildEvent*>(e)->child(); child && child->isWidgetType())
            child->installEventFilter(this);
    }
    if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        isDisabledShortcut(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QWebEngineView::event(e);
}

bool TEmbeddedWB::eventFilter(QObject* watched, QEvent* e) {
    if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        isDisabledShortcut(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QWebEngineView::eventFilter(watched, e);
}

bool TEmbeddedWB::isDisabledShortcut(const QKeyEvent* key) const {
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods != Qt::ControlModifier) return false;
    const int k = key->key();
    return k >= Qt::Key_A && k <= Qt::Key_Z && disableCtrlShortcuts_.contains(QChar('A' + (k - Qt::Key_A)));
}
