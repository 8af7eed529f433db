#pragma once
#include <QString>

class QWidget;

// An information box with an OK button; returns when the pupil closes it.
void Meldung(QWidget* parent, const QString& text);
