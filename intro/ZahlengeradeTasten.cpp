#include "intro/ZahlengeradeTasten.h"

#include "core/Zugang.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

TZahlengeradeTasten::TZahlengeradeTasten(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAccessibleName(QStringLiteral("Zahlengerade"));
}

int TZahlengeradeTasten::Naechstes(int n, int richtung) const
{
    for (int k = n + richtung; k >= 1 && k <= 25; k += richtung)
        if (Offen(k))
            return k;
    return 0;
}

void TZahlengeradeTasten::Setze(int n)
{
    if (!Offen(n)) {
        // The nearest open target, to the right on a tie.
        for (int d = 1; d < 25; ++d) {
            if (Offen(n + d)) {
                n += d;
                break;
            }
            if (Offen(n - d)) {
                n -= d;
                break;
            }
        }
    }
    marke_ = qBound(1, n, 25);
    Benennen();
    update();
}

void TZahlengeradeTasten::Benennen()
{
    const QString name = Ortsname ? QStringLiteral("Zahlengerade, Markierung bei ") + Ortsname(marke_)
                                  : QStringLiteral("Zahlengerade");
    if (name == accessibleName())
        return;
    setAccessibleName(name);
    if (hasFocus()) {
        QAccessibleEvent e(this, QAccessible::NameChanged);
        ZugangMelden(&e);
    }
}

void TZahlengeradeTasten::keyPressEvent(QKeyEvent* event)
{
    int ziel = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        ziel = Naechstes(marke_, -1);
        break;
    case Qt::Key_Right:
        ziel = Naechstes(marke_, +1);
        break;
    case Qt::Key_Home:
        ziel = Naechstes(0, +1);
        break;
    case Qt::Key_End:
        ziel = Naechstes(26, -1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (Offen(marke_) && OnWahl)
            OnWahl(marke_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (ziel > 0) {
        marke_ = ziel;
        Benennen();
        update();
    }
}

void TZahlengeradeTasten::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter p(this);
    ZeichneFokusrahmen(&p, rect());
    // The ring around the marked point and a pointer above it.
    p.setPen(QPen(FokusFarbe(), FokusBreite));
    p.setRenderHint(QPainter::Antialiasing, true);
    const int x = ErsteMitteX + Abstand * (marke_ - 1);
    p.drawEllipse(QPoint(x, MitteY), 10, 10);
    p.setBrush(FokusFarbe());
    const QPoint spitze[3] = {QPoint(x - 7, MitteY - 22), QPoint(x + 7, MitteY - 22), QPoint(x, MitteY - 13)};
    p.drawPolygon(spitze, 3);
}

void TZahlengeradeTasten::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (!Offen(marke_))
        Setze(marke_);
    update();
}

void TZahlengeradeTasten::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
