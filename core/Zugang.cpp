#include "core/Zugang.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleOption>

namespace {

const char* const EigenschaftZaehler = "mlZaehler";
const char* const EigenschaftMeldung = "mlMeldungLeer";
ZugangBeobachter beobachter = nullptr;

// ------------------------------------------------------------ focus frame

class FokusStil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        const bool knopf = element == CE_PushButton || element == CE_RadioButton || element == CE_CheckBox;
        if (knopf && (option->state & State_HasFocus))
            Rahmen(painter, option->rect);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        // The frame below replaces the thin dotted one of the base style.
        if (element == PE_FrameFocusRect)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_PanelLineEdit && (option->state & State_HasFocus))
            Rahmen(painter, option->rect);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    static void Rahmen(QPainter* painter, const QRect& r) { ZeichneFokusrahmen(painter, r); }
};

// ------------------------------------------------- accessibility interfaces

QString Einzeilig(const QString& text)
{
    return text.simplified();
}

// A counter's group box or value label: "Punkte: 2,5".
class ZaehlerZugang : public QAccessibleWidget {
public:
    ZaehlerZugang(QWidget* w, QAccessible::Role rolle, QGroupBox* gruppe)
        : QAccessibleWidget(w, rolle), gruppe_(gruppe)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && gruppe_)
            return ZaehlerText(gruppe_);
        return QAccessibleWidget::text(t);
    }

private:
    QPointer<QGroupBox> gruppe_;
};

// A feedback or instruction line, read by its text as it changes.
class MeldungZugang : public QAccessibleWidget {
public:
    explicit MeldungZugang(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override
    {
        auto* label = static_cast<QLabel*>(widget());
        if (t == QAccessible::Name) {
            const QString text = Einzeilig(label->text());
            return text.isEmpty() ? label->property(EigenschaftMeldung).toString() : text;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String("QGroupBox")) {
        auto* gruppe = static_cast<QGroupBox*>(objekt);
        if (gruppe->property(EigenschaftZaehler).toBool())
            return new ZaehlerZugang(gruppe, QAccessible::Grouping, gruppe);
    } else if (klasse == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(objekt);
        if (label->property(EigenschaftZaehler).toBool())
            return new ZaehlerZugang(label, QAccessible::StaticText, qobject_cast<QGroupBox*>(label->parentWidget()));
        if (label->property(EigenschaftMeldung).isValid())
            return new MeldungZugang(label);
    }
    return nullptr;
}

void FabrikEinrichten()
{
    static bool eingerichtet = false;
    if (!eingerichtet) {
        QAccessible::installFactory(Fabrik);
        eingerichtet = true;
    }
}

// An interface made before the widget was marked (setting a title or text
// raises an event, and that creates one) is dropped, so the next query comes
// to the factory above.
void NeuesInterface(QObject* objekt)
{
    if (QAccessibleInterface* alt = QAccessible::queryAccessibleInterface(objekt))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(alt));
}

void Melde(QWidget* widget, QAccessible::Event art)
{
    QAccessibleEvent e(widget, art);
    ZugangMelden(&e);
}

} // namespace

void ZugangEinrichten()
{
    FabrikEinrichten();
    // The focus frame goes over whatever style the program set (the proxy
    // takes the current style as its base and so keeps its behaviour).
    if (!dynamic_cast<FokusStil*>(QApplication::style()))
        QApplication::setStyle(new FokusStil(QApplication::style()));
}

QColor FokusFarbe()
{
    return QColor(0, 70, 200);
}

void ZeichneFokusrahmen(QPainter* painter, const QRect& r)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen stift(FokusFarbe(), FokusBreite);
    stift.setJoinStyle(Qt::MiterJoin);
    painter->setPen(stift);
    painter->setBrush(Qt::NoBrush);
    const int h = FokusBreite / 2;
    painter->drawRect(r.adjusted(h, h, -h - 1, -h - 1));
    painter->restore();
}

void MacheMeldungszeile(QLabel* label, const QString& leerName)
{
    FabrikEinrichten();
    label->setProperty(EigenschaftMeldung, leerName);
    NeuesInterface(label);
}

void SetzeMeldung(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    KuendigeAn(label);
}

void KuendigeAn(QWidget* widget)
{
    Melde(widget, QAccessible::NameChanged);
    QString text = widget->accessibleName();
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = Einzeilig(label->text());
    QAccessibleValueChangeEvent wert(widget, text);
    ZugangMelden(&wert);
    if (!text.isEmpty())
        Melde(widget, QAccessible::Alert);
}

void ZugangMelden(QAccessibleEvent* ereignis)
{
    if (beobachter)
        beobachter(ereignis);
    QAccessible::updateAccessibility(ereignis);
}

void SetzeZugangBeobachter(ZugangBeobachter neu)
{
    beobachter = neu;
}

void BeschreibeAufgabe(QWidget* feld, const QString& gezeigt, const QString& gesprochen)
{
    feld->setProperty(EigenschaftAufgabentext, gezeigt);
    feld->setAccessibleDescription(gesprochen);
}

void MacheZaehler(QGroupBox* gruppe, QLabel* wert)
{
    FabrikEinrichten();
    gruppe->setProperty(EigenschaftZaehler, true);
    wert->setProperty(EigenschaftZaehler, true);
    // A fixed name would hide the value.
    wert->setAccessibleName(QString());
    NeuesInterface(gruppe);
    NeuesInterface(wert);
}

QString ZaehlerText(const QGroupBox* gruppe)
{
    const QString titel = gruppe->title().trimmed();
    for (const QLabel* l : gruppe->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (l->property(EigenschaftZaehler).toBool())
            return titel + QStringLiteral(": ") + Einzeilig(l->text());
    return titel;
}

void SetzeZaehler(QLabel* wert, const QString& text)
{
    if (wert->text() == text)
        return;
    wert->setText(text);
    Melde(wert, QAccessible::NameChanged);
    if (QWidget* gruppe = wert->parentWidget())
        Melde(gruppe, QAccessible::NameChanged);
}

void VerbindeDarstellung(QButtonGroup* gruppe, std::function<int()> modus, std::function<bool()> erlaubt,
                         std::function<void(int id)> wechsle)
{
    QObject::connect(gruppe, &QButtonGroup::idToggled, gruppe,
                     [gruppe, modus = std::move(modus), erlaubt = std::move(erlaubt),
                      wechsle = std::move(wechsle)](int id, bool an) {
                         if (!an || id == modus())
                             return;
                         if (erlaubt()) {
                             wechsle(id);
                             return;
                         }
                         // Not now: the choice shows the mode that holds.
                         if (QAbstractButton* zurueck = gruppe->button(modus())) {
                             const QSignalBlocker stumm(gruppe);
                             zurueck->setChecked(true);
                         }
                     });
}
