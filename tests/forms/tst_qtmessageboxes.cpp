// Message boxes belong to the window that raised them: stacked above it (above
// a window that stays on top too) and centred on it; else centred on the screen.

#include "Form.h"
#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using Boxes = platform::MessageBoxes;

class tst_QtMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void owner_data()
    {
        QTest::addColumn<QString>("box"); // what it stands over, stacking, centre
        // clang-format off
        QTest::newRow("on top") << "window, on top, centred on window";
        QTest::newRow("on top, inactive") << "window, on top, centred on window";
        QTest::newRow("plain") << "window, centred on window";
        QTest::newRow("none") << "none, centred on screen";
        // clang-format on
    }

    void owner()
    {
        const QString raisedFrom = QTest::currentDataTag();
        forms::Form window(forms::Form::Frame::FixedSingle, 6000, 4500, Qt::white);
        window.setWindowFlag(Qt::WindowStaysOnTopHint, raisedFrom.startsWith("on top"));
        window.move(10, 20);
        window.setVisible(raisedFrom != "none");
        QVERIFY(raisedFrom == "none" || QTest::qWaitForWindowActive(&window));
        if (raisedFrom.endsWith("inactive"))
            QApplication::setActiveWindow(nullptr);

        QString seen; // how the box stands once it is up; then it is answered
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const QWindow* over = box->windowHandle()->transientParent();
                const auto centredOn = [box](QRect area) {
                    return (box->geometry().center() - area.center()).manhattanLength() <= 2;
                };
                seen = QString(over ? over == window.windowHandle() ? "window" : "?" : "none") +
                       (box->windowFlags() & Qt::WindowStaysOnTopHint ? ", on top" : "") +
                       (centredOn(window.geometry()) ? ", centred on window" : "") +
                       (centredOn(box->screen()->geometry()) ? ", centred on screen" : "");
                box->accept();
            }
        });
        answer.start(10);
        forms::QtMessageBoxes().show(QStringLiteral("Please Enter Proper Email Address"),
                                     Boxes::Icon::Critical, Boxes::Buttons::Ok, "Tolvane");
        QTEST(seen, "box");
    }
};

QTEST_MAIN(tst_QtMessageBoxes)
#include "tst_qtmessageboxes.moc"
