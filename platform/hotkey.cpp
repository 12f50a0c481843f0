#include "platform/hotkey.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <map>
#include <vector>

namespace {

constexpr xcb_keysym_t kKeysymHome = 0xff50;  // XK_Home

// NumLock (Mod2) and CapsLock (Lock) are lock states, not modifiers: the key
// is grabbed under each combination of them.
constexpr uint16_t kLockMasks[] = {0, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};

struct Grab {
    QPointer<QWidget> window;
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
    uint16_t xModifiers = 0;
    std::vector<xcb_keycode_t> keycodes;
};

uint16_t ToXModifiers(unsigned mods) {
    uint16_t x = 0;
    if (mods & MOD_SHIFT) x |= XCB_MOD_MASK_SHIFT;
    if (mods & MOD_CONTROL) x |= XCB_MOD_MASK_CONTROL;
    if (mods & MOD_ALT) x |= XCB_MOD_MASK_1;
    if (mods & MOD_WIN) x |= XCB_MOD_MASK_4;
    return x;
}

quint16 FromXModifiers(uint16_t state) {
    quint16 m = 0;
    if (state & XCB_MOD_MASK_SHIFT) m |= MOD_SHIFT;
    if (state & XCB_MOD_MASK_CONTROL) m |= MOD_CONTROL;
    if (state & XCB_MOD_MASK_1) m |= MOD_ALT;
    if (state & XCB_MOD_MASK_4) m |= MOD_WIN;
    return m;
}

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

class HotKeyFilter : public QAbstractNativeEventFilter {
public:
    std::map<int, Grab> grabs;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        auto* ev = static_cast<xcb_generic_event_t*>(message);
        if ((ev->response_type & 0x7f) != XCB_KEY_PRESS) return false;
        auto* key = reinterpret_cast<xcb_key_press_event_t*>(ev);
        xcb_connection_t* c = Connection();
        // Only presses delivered through the root-window grab count: with one
        // of our windows focused an ordinary Shift+Home arrives there too.
        if (!c || key->event != RootWindow(c)) return false;
        for (auto& [id, grab] : grabs) {
            for (xcb_keycode_t code : grab.keycodes) {
                if (code != key->detail || !grab.window) continue;
                QCoreApplication::postEvent(
                    grab.window, new HotKeyEvent(id, FromXModifiers(key->state), quint16(grab.virtualKey)));
                return true;
            }
        }
        return false;
    }
};

HotKeyFilter* Filter() {
    static HotKeyFilter* filter = [] {
        auto* f = new HotKeyFilter;
        QCoreApplication::instance()->installNativeEventFilter(f);
        return f;
    }();
    return filter;
}

void Ungrab(xcb_connection_t* c, const Grab& grab) {
    for (xcb_keycode_t code : grab.keycodes)
        for (uint16_t lock : kLockMasks)
            xcb_ungrab_key(c, code, RootWindow(c), uint16_t(grab.xModifiers | lock));
    xcb_flush(c);
}

}  // namespace

HotKeyEvent::HotKeyEvent(int id, quint16 modifiers, quint16 virtualKey)
    : QEvent(eventType()), id_(id), modifiers_(modifiers), virtualKey_(virtualKey) {}

QEvent::Type HotKeyEvent::eventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool RegisterHotKey(QWidget* window, int id, unsigned modifiers, unsigned virtualKey) {
    xcb_connection_t* c = Connection();
    if (!c || !window || virtualKey != VK_HOME || Filter()->grabs.count(id)) return false;

    Grab grab;
    grab.window = window;
    grab.modifiers = modifiers;
    grab.virtualKey = virtualKey;
    grab.xModifiers = ToXModifiers(modifiers);
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, kKeysymHome)) {
        for (xcb_keycode_t* k = codes; *k != XCB_NO_SYMBOL; ++k) grab.keycodes.push_back(*k);
        free(codes);
    }
    xcb_key_symbols_free(symbols);
    if (grab.keycodes.empty()) return false;

    std::vector<xcb_void_cookie_t> cookies;
    for (xcb_keycode_t code : grab.keycodes)
        for (uint16_t lock : kLockMasks)
            cookies.push_back(xcb_grab_key_checked(c, 1, RootWindow(c), uint16_t(grab.xModifiers | lock), code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool refused = false;
    for (const auto& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            refused = true;  // BadAccess: another client holds it
            free(error);
        }
    }
    if (refused) {
        Ungrab(c, grab);
        return false;
    }
    Filter()->grabs.emplace(id, std::move(grab));
    return true;
}

bool UnregisterHotKey(QWidget* window, int id) {
    xcb_connection_t* c = Connection();
    if (!c) return false;
    auto& grabs = Filter()->grabs;
    const auto it = grabs.find(id);
    if (it == grabs.end() || it->second.window != window) return false;
    Ungrab(c, it->second);
    grabs.erase(it);
    return true;
}

quint16 GlobalAddAtom(const char* name) {
    static std::map<QByteArray, quint16> atoms;
    const QByteArray key = QByteArray(name).toLower();
    const auto it = atoms.find(key);
    if (it != atoms.end()) return it->second;
    const quint16 atom = quint16(0xC000 + atoms.size());
    atoms.emplace(key, atom);
    return atom;
}
