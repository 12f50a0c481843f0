#pragma once

#include <QEvent>
#include <QObject>

class QWidget;

// System-wide hot keys in the shape of the Windows calls: a key grabbed on the
// X11 root window is reported to its window as a posted HotKeyEvent (the
// WM_HOTKEY message), handled by whichever event loop runs.

// Windows modifier flags and the one virtual-key code the program uses.
inline constexpr unsigned MOD_ALT = 0x0001;
inline constexpr unsigned MOD_CONTROL = 0x0002;
inline constexpr unsigned MOD_SHIFT = 0x0004;
inline constexpr unsigned MOD_WIN = 0x0008;
inline constexpr unsigned VK_HOME = 0x24;

class HotKeyEvent : public QEvent {
public:
    HotKeyEvent(int id, quint16 modifiers, quint16 virtualKey);
    static QEvent::Type eventType();

    int id() const { return id_; }
    // LParam of WM_HOTKEY: low word the modifiers, high word the key.
    quint32 lParam() const { return quint32(modifiers_) | (quint32(virtualKey_) << 16); }

private:
    int id_;
    quint16 modifiers_;
    quint16 virtualKey_;
};

// Grabs the key for the window under the identifier. False when the platform
// refuses (another client holds the key, or no X11 display); nothing is then
// grabbed.
bool RegisterHotKey(QWidget* window, int id, unsigned modifiers, unsigned virtualKey);
// Releases the identifier's grab; false when it holds none.
bool UnregisterHotKey(QWidget* window, int id);

// A process-wide atom table in the shape of GlobalAddAtom: string atoms from
// 0xC000 up, the same number again for a name already added.
quint16 GlobalAddAtom(const char* name);
