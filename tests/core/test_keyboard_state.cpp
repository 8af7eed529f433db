// Caps Lock switching through the keyboard-state layer, with a fake keyboard.
#include "core/KeyboardState.h"
#include "common/FakeKeyboard.h"

#include <QGuiApplication>
#include <QTest>

class TestKeyboardState : public QObject {
    Q_OBJECT
private slots:
    void switchesOffOnlyWhenOn()
    {
        FakeKeyboard fake;
        SetKeyboardState(&fake);
        fake.capsLock = true;
        CapsLockAus();
        QVERIFY(!fake.capsLock);
        QCOMPARE(fake.switches, 1);
        CapsLockAus(); // already off: nothing is sent
        QCOMPARE(fake.switches, 1);
        SetKeyboardState(nullptr);
        QVERIFY(&CurrentKeyboardState() != &fake);
    }

    void offscreenDoesNothing()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
        QVERIFY(!CurrentKeyboardState().CapsLockOn());
        CapsLockAus(); // must neither crash nor block
    }
};

QTEST_MAIN(TestKeyboardState)
#include "test_keyboard_state.moc"
