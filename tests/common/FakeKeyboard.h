#pragma once
#include "core/KeyboardState.h"

// A keyboard whose Caps Lock a test sets and watches.
struct FakeKeyboard final : KeyboardState {
    bool capsLock = false;
    int switches = 0; // how often the lock was switched off
    bool CapsLockOn() const override { return capsLock; }
    void SwitchCapsLockOff() override
    {
        capsLock = false;
        ++switches;
    }
};
