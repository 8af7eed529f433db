#pragma once

// Qt's own texts and formats in German: the file and print dialogs, the
// context menus of the input boxes, the standard buttons, and whatever Qt
// writes with the default locale (dates in a file dialog, numbers in a spin
// box). Minusland is German whatever the machine's language. False when Qt's
// translations are not installed; those texts then stay English.
bool QtAufDeutsch();
