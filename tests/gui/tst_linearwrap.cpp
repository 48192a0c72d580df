#include "linearwrap.h"

#include <QStringList>
#include <QTest>
#include <QTextEdit>

// Which texts break anywhere so that they lay out in linear time.
class TestLinearWrap : public QObject
{
    Q_OBJECT

private slots:
    void wrapMode_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("mode");
        const int boundary = QTextOption::WrapAtWordBoundaryOrAnywhere;
        const int anywhere = QTextOption::WrapAnywhere;
        const QString longWord(4097, QLatin1Char('x'));
        const QString longestWord(4096, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << boundary;
        QTest::newRow("ordinary words") << QStringLiteral("<p>%1</p>").arg(QStringLiteral("word ").repeated(100000))
                                        << boundary;
        QTest::newRow("a word of a megabyte")
            << QStringLiteral("<p>%1</p>").arg(QString(1 << 20, QLatin1Char('x'))) << anywhere;
        QTest::newRow("a word just too long") << longWord << anywhere;
        QTest::newRow("the longest word kept") << QStringLiteral("a %1 b").arg(longestWord) << boundary;
        QTest::newRow("a line break ends a word") << longestWord + QLatin1Char('\n') + longestWord << boundary;
        QTest::newRow("markup is no part of a word")
            << QStringLiteral("<img src=\"data:image/png;base64,%1\"> text").arg(longWord) << boundary;
        QTest::newRow("a word goes on through inline markup")
            << QStringLiteral("%1<b>%1</b>").arg(QString(2049, QLatin1Char('x'))) << anywhere;
    }

    void wrapMode()
    {
        QFETCH(QString, html);
        QFETCH(int, mode);
        QCOMPARE(int(LinearWrapMode(html)), mode);
    }

    void editShowsTheTextUnderThatMode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::newRow("words") << QStringList(2000, QStringLiteral("word")).join(QLatin1Char(' '))
                               << int(QTextOption::WrapAtWordBoundaryOrAnywhere);
        QTest::newRow("one long word") << QString(5000, QLatin1Char('x')) << int(QTextOption::WrapAnywhere);
    }

    void editShowsTheTextUnderThatMode()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QTextEdit edit;
        edit.setWordWrapMode(QTextOption::NoWrap);
        QCOMPARE(int(SetHtmlInLinearTime(&edit, QStringLiteral("<p>%1</p>").arg(text))), mode);
        QCOMPARE(int(edit.wordWrapMode()), mode);
        QCOMPARE(edit.toPlainText(), text);
    }
};

QTEST_MAIN(TestLinearWrap)
#include "tst_linearwrap.moc"
