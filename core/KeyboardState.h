#pragma once

// The lock keys of the window system's keyboard. The rational answer boxes
// switch Caps Lock off after every key, so that a lock pressed by accident
// never stays on behind the pupil's back. Where the window system does not let
// a program change it (offscreen, Wayland) the switch does nothing.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual bool CapsLockOn() const = 0;
    virtual void SwitchCapsLockOff() = 0;
};

// The keyboard of the running application: X11 through Xkb where the program
// runs on X11 and was built with Xkb, otherwise a state that is never on.
KeyboardState& CurrentKeyboardState();

// Puts another state in place of the system's (tests); nullptr restores it.
void SetKeyboardState(KeyboardState* state);

// Switches Caps Lock off when it is on.
void CapsLockAus();
