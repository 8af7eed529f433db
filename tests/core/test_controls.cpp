#include "core/EditCenter.h"
#include "core/MyShape.h"
#include "core/Programmstil.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>

static void Enter(QWidget* w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(w, &e);
}
static void Leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

class TestControls : public QObject {
    Q_OBJECT
private slots:
    // The program's style gives the same standard icons as its base style,
    // read when they are first used, also after the asking widget is gone.
    void styleReadsIconsWhenPainted()
    {
        TProgrammstil stil(QStyleFactory::create(QStringLiteral("Fusion")));
        QStyle* basis = stil.baseStyle();
        for (QStyle::StandardPixmap art : {QStyle::SP_DialogOkButton, QStyle::SP_DialogCloseButton,
                                           QStyle::SP_ToolBarHorizontalExtensionButton}) {
            QIcon icon;
            {
                QMenuBar leiste;
                icon = stil.standardIcon(art, nullptr, &leiste);
            }
            QVERIFY(!icon.isNull());
            const QIcon soll = basis->standardIcon(art);
            QCOMPARE(icon.availableSizes(), soll.availableSizes());
            QCOMPARE(icon.pixmap(16).toImage(), soll.pixmap(16).toImage());
            const QIcon kopie = icon; // copies share what was read
            QCOMPARE(kopie.pixmap(32).toImage(), soll.pixmap(32).toImage());
        }
        // Asked with an option, the icon is read at once from the base style.
        QStyleOption option;
        QCOMPARE(stil.standardIcon(QStyle::SP_DialogOkButton, &option).pixmap(16).toImage(),
                 basis->standardIcon(QStyle::SP_DialogOkButton, &option).pixmap(16).toImage());
    }

    void shapeReportsMouseToAssignedHandlersOnly()
    {
        QWidget parent;
        auto* shape = new TMyShape(&parent);
        shape->setGeometry(10, 10, 10, 10);
        parent.show();
        // No handlers: enter, leave and presses pass without effect.
        Enter(shape);
        Leave(shape);
        QTest::mouseClick(shape, Qt::LeftButton);

        QList<QString> seen;
        shape->OnMouseEnter = [&](TMyShape* s) { seen << "enter:" + s->objectName(); };
        shape->OnMouseLeave = [&](TMyShape* s) { seen << "leave:" + s->objectName(); };
        shape->OnMouseDown = [&](TMyShape* s) { seen << "down:" + s->objectName(); };
        shape->setObjectName("shp07");
        Enter(shape);
        QTest::mousePress(shape, Qt::RightButton); // not an answer
        QTest::mousePress(shape, Qt::LeftButton);
        Leave(shape);
        QCOMPARE(seen, (QList<QString>{"enter:shp07", "down:shp07", "leave:shp07"}));

        // A handler removed again is not called.
        shape->OnMouseEnter = nullptr;
        Enter(shape);
        QCOMPARE(seen.size(), 3);
    }

    void shapePaintsCircleWithPenAndBrush()
    {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, Qt::white);
        parent.setPalette(pal);
        parent.resize(60, 60);
        auto* shape = new TMyShape(&parent);
        shape->setGeometry(10, 10, 40, 40);
        shape->SetShape(TMyShape::ShapeType::Circle);
        shape->SetBrushColor(Qt::red);
        shape->SetPenColor(Qt::blue);
        shape->SetPenWidth(2);
        const QImage img = parent.grab().toImage();
        QCOMPARE(img.pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(img.pixelColor(11, 11), QColor(Qt::white)); // outside the circle
        const QColor top = img.pixelColor(30, 11); // the outline, antialiased
        QVERIFY(top.blue() > 200 && top.red() < 60 && top.green() < 60);

        // Clear pen and brush: an invisible click target.
        shape->SetBrushClear(true);
        shape->SetPenClear(true);
        const QImage clear = parent.grab().toImage();
        QCOMPARE(clear.pixelColor(30, 30), QColor(Qt::white));
        QCOMPARE(clear.pixelColor(30, 10), QColor(Qt::white));

    }

    void editCenterCentresItsText()
    {
        TEditCenter edit;
        QVERIFY(edit.alignment() & Qt::AlignHCenter);
        edit.resize(120, 27);
        edit.show();
        QTest::keyClicks(&edit, "12");
        QCOMPARE(edit.text(), QString("12"));
        // The typed digits stand in the middle of the box, not at its left.
        const QImage img = edit.grab().toImage();
        int left = img.width();
        int right = -1;
        for (int y = 5; y < img.height() - 5; ++y)
            for (int x = 4; x < img.width() - 4; ++x)
                if (qGray(img.pixel(x, y)) < 100) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        QVERIFY(right > left);
        QVERIFY(qAbs((left + right) / 2 - img.width() / 2) <= 6);
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
