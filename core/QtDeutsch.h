#pragma once

// Qt's own texts in German: the file and print dialogs, the context menus of
// the input boxes, the standard buttons. Minusland is German whatever the
// machine's language. False when Qt's translations are not installed; those
// texts then stay English.
bool QtTexteAufDeutsch();
