#include "core/KeyboardState.h"

#include <QGuiApplication>

#ifdef MINUSLAND_HAVE_XKB
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace {

class NoKeyboardState final : public KeyboardState {
public:
    bool CapsLockOn() const override { return false; }
    void SwitchCapsLockOff() override {}
};

#ifdef MINUSLAND_HAVE_XKB
// Uses the application's own X connection, so the change reaches the server in
// order with everything else the program sends.
class XkbKeyboardState final : public KeyboardState {
public:
    explicit XkbKeyboardState(Display* display)
        : display_(display)
    {
    }
    bool CapsLockOn() const override
    {
        XkbStateRec state{};
        if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success)
            return false;
        return (state.locked_mods & LockMask) != 0;
    }
    void SwitchCapsLockOff() override
    {
        XkbLockModifiers(display_, XkbUseCoreKbd, LockMask, 0);
        XFlush(display_);
    }

private:
    Display* display_;
};

Display* ApplicationDisplay()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}
#endif

KeyboardState* replacement = nullptr;

KeyboardState& SystemKeyboardState()
{
#ifdef MINUSLAND_HAVE_XKB
    if (Display* display = ApplicationDisplay()) {
        static XkbKeyboardState xkb(display);
        return xkb;
    }
#endif
    static NoKeyboardState none;
    return none;
}

} // namespace

KeyboardState& CurrentKeyboardState()
{
    return replacement ? *replacement : SystemKeyboardState();
}

void SetKeyboardState(KeyboardState* state)
{
    replacement = state;
}

void CapsLockAus()
{
    KeyboardState& keyboard = CurrentKeyboardState();
    if (keyboard.CapsLockOn())
        keyboard.SwitchCapsLockOff();
}
