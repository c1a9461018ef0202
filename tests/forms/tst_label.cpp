#include "Appearance.h"
#include "Label.h"

#include <QTest>

using forms::Label;

class tst_Label : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
};

void tst_Label::captions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("accessLetter");
    QTest::newRow("plain") << "Month"
                           << "Month" << -1;
    QTest::newRow("double ampersand") << "name &&  link"
                                      << "name &  link" << -1;
    QTest::newRow("access letter") << "&Back"
                                   << "Back" << 0;
    QTest::newRow("both") << "A && &B"
                          << "A & B" << 4;
    QTest::newRow("trailing ampersand stays") << "Tom &"
                                              << "Tom &" << -1;
    QTest::newRow("markup is literal") << "<b>x</b> &&"
                                       << "<b>x</b> &" << -1;
}

void tst_Label::captions()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(int, accessLetter);
    QCOMPARE(forms::displayText(caption), shown);
    QCOMPARE(forms::accessLetterPosition(caption), accessLetter);
    Label label(nullptr);
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.accessibleName(), shown);
    if (accessLetter < 0) {
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QCOMPARE(label.text(), shown);
    } else {
        QVERIFY(label.text().contains("<u>" + shown.mid(accessLetter, 1) + "</u>"));
    }
}

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
