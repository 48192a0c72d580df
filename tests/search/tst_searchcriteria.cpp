#include "searchcriteria.h"
#include "searchtableview.h"
#include "testenvironment.h"

#include <QStandardItemModel>
#include <QStringDecoder>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
// A row as its editor commits it; an absent value stays absent.
struct Row
{
    QVariant subject;
    QVariant predicate;
    QVariant text;
    QVariant date;
};

void AddRow(QStandardItemModel &model, const Row &row)
{
    auto *item = new QStandardItem;
    if (row.subject.isValid())
        item->setData(row.subject, SearchTableView::SubjectRole);
    if (row.predicate.isValid())
        item->setData(row.predicate, SearchTableView::PredicateRole);
    if (row.text.isValid())
        item->setData(row.text, SearchTableView::TextRole);
    if (row.date.isValid())
        item->setData(row.date, SearchTableView::DateRole);
    model.appendRow(item);
}
}

Q_DECLARE_METATYPE(Row)

namespace
{
// The message search's subjects: sender, subject, content, two dates.
SearchCriteria MessageSubjects()
{
    return SearchCriteria({{SearchCriteria::Subject::Text, 4, 64},
                           {SearchCriteria::Subject::Text, 4, 256},
                           {SearchCriteria::Subject::Text, 1, 2000},
                           {SearchCriteria::Subject::Date, 6, 0},
                           {SearchCriteria::Subject::Date, 6, 0}});
}

bool IsValidUtf8(const std::string &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(QByteArray::fromStdString(text));
    return !decoder.hasError() && decoded.toUtf8().toStdString() == text;
}

QString Describe(const std::vector<SearchCriteria::Entry> &entries)
{
    QStringList parts;
    for (const auto &entry : entries)
        parts << QStringLiteral("%1/%2:%3")
                     .arg(entry.subject)
                     .arg(entry.predicate)
                     .arg(QString::fromStdString(entry.value));
    return parts.join(QLatin1Char('|'));
}
}

// The criteria rows as request entries: which rows count, the byte limits
// and the dates.
class TestSearchCriteria : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { testsupport::SetTimeZone("UTC0"); }

    void textIsCutAtACharacterBoundary_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        const QString a63(63, QLatin1Char('a'));
        const QString a62(62, QLatin1Char('a'));
        QTest::newRow("shorter") << "report" << 64 << "report";
        QTest::newRow("70 ASCII to 64") << QString(70, QLatin1Char('x')) << 64 << QString(64, QLatin1Char('x'));
        QTest::newRow("exactly the limit") << QString(64, QLatin1Char('x')) << 64 << QString(64, QLatin1Char('x'));
        // U+00E9 takes two bytes: the 64th byte would be its first half.
        QTest::newRow("two-byte character across the limit") << a63 + QStringLiteral("\u00e9b") << 64 << a63;
        QTest::newRow("two-byte character ending at the limit")
            << a62 + QStringLiteral("\u00e9b") << 64 << a62 + QStringLiteral("\u00e9");
        // U+20AC takes three bytes: cut after its first and after its second.
        QTest::newRow("three-byte character, one byte in") << a63 + QStringLiteral("\u20ac") << 64 << a63;
        QTest::newRow("three-byte character, two bytes in") << a62 + QStringLiteral("\u20ac") << 64 << a62;
        // A character outside the basic plane takes four bytes (and two
        // UTF-16 units).
        const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
        QTest::newRow("four-byte character, three bytes in")
            << QString(61, QLatin1Char('a')) + emoji << 64 << QString(61, QLatin1Char('a'));
        QTest::newRow("four-byte character fits") << QString(60, QLatin1Char('a')) + emoji + QStringLiteral("b") << 64
                                                  << QString(60, QLatin1Char('a')) + emoji;
        QTest::newRow("only multi-byte characters") << QString(30, QChar(0x20ac)) << 64 << QString(21, QChar(0x20ac));
        QTest::newRow("2,500 ASCII to 2,000")
            << QString(2500, QLatin1Char('c')) << 2000 << QString(2000, QLatin1Char('c'));
        QTest::newRow("first character already too long") << QStringLiteral("\u20ac") << 2 << QString();
    }

    void textIsCutAtACharacterBoundary()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        const std::string cut = SearchCriteria::Utf8Prefix(text, std::size_t(limit));
        QVERIFY(cut.size() <= std::size_t(limit));
        QVERIFY(IsValidUtf8(cut));
        QCOMPARE(QString::fromStdString(cut), expected);
    }

    void dayStartsAtLocalMidnightInUtc_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTC") << QByteArray("UTC0") << QDate(2024, 3, 10) << "2024-03-10 00:00:00";
        // One hour east: the day begins on the evening before, in UTC.
        QTest::newRow("east, winter") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << QDate(2024, 3, 10)
                                      << "2024-03-09 23:00:00";
        QTest::newRow("east, summer") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << QDate(2024, 7, 1)
                                      << "2024-06-30 22:00:00";
        QTest::newRow("far east") << QByteArray("<+13>-13") << QDate(2024, 1, 1) << "2023-12-31 11:00:00";
        // Eight hours west, on the day the clocks go forward at 02:00.
        QTest::newRow("west, clock change day")
            << QByteArray("PST8PDT,M3.2.0,M11.1.0") << QDate(2024, 3, 10) << "2024-03-10 08:00:00";
        QTest::newRow("west, summer") << QByteArray("PST8PDT,M3.2.0,M11.1.0") << QDate(2024, 7, 1)
                                      << "2024-07-01 07:00:00";
        // Clocks that go forward at midnight: that day's first hour does not
        // exist, so the day begins at 01:00 local time (UTC-3).
        QTest::newRow("midnight skipped")
            << QByteArray("<-04>4<-03>,M9.1.6/24,M4.1.6/24") << QDate(2024, 9, 8) << "2024-09-08 04:00:00";
        QTest::newRow("invalid date") << QByteArray("UTC0") << QDate() << "";
        QTest::newRow("before the database's first day") << QByteArray("UTC0") << QDate(1399, 12, 31) << "";
        QTest::newRow("the database's first day") << QByteArray("UTC0") << QDate(1400, 1, 1) << "1400-01-01 00:00:00";
    }

    void dayStartsAtLocalMidnightInUtc()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        testsupport::SetTimeZone(zone);
        QCOMPARE(QString::fromStdString(SearchCriteria::UtcStartOfDay(date)), expected);
    }

    void rowsBecomeEntries_data()
    {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<QString>("entries");
        const QDate day(2024, 3, 10);
        QTest::newRow("no rows") << QList<Row>{} << "";
        QTest::newRow("a row never committed") << QList<Row>{{}} << "";
        QTest::newRow("empty text") << QList<Row>{{0, 2, QString(), day}} << "";
        QTest::newRow("every subject in row order")
            << QList<Row>{{4, 5, QString(), day},
                          {0, 3, "ann", day},
                          {1, 2, "re:%", day},
                          {2, 0, "budget", day},
                          {3, 1, "ignored", day}}
            << "4/5:2024-03-10 00:00:00|0/3:ann|1/2:re:%|2/0:budget|3/1:2024-03-10 00:00:00";
        QTest::newRow("same subject and predicate twice")
            << QList<Row>{{1, 2, "a", day}, {1, 2, "b", day}} << "1/2:a|1/2:b";
        QTest::newRow("empty rows between others")
            << QList<Row>{{0, 0, "x", day}, {0, 0, QString(), day}, {}, {3, 0, QString(), day}}
            << "0/0:x|3/0:2024-03-10 00:00:00";
        QTest::newRow("subject out of range") << QList<Row>{{5, 0, "x", day}, {-1, 0, "x", day}} << "";
        QTest::newRow("predicate out of range")
            << QList<Row>{{0, 4, "x", day}, {0, -1, "x", day}, {3, 6, QString(), day}} << "";
        QTest::newRow("content takes Contains only") << QList<Row>{{2, 1, "x", day}, {2, 0, "y", day}} << "2/0:y";
        QTest::newRow("invalid date") << QList<Row>{{3, 0, QString(), QDate()}} << "";
        QTest::newRow("date row without a date") << QList<Row>{{3, 0, QString(), QVariant()}} << "";
        QTest::newRow("subject limit 256")
            << QList<Row>{{1, 0, QString(300, QLatin1Char('s')), day}} << "1/0:" + QString(256, QLatin1Char('s'));
        QTest::newRow("text sent as typed") << QList<Row>{{0, 2, "Ann*  Lee", day}} << "0/2:Ann*  Lee";
    }

    void rowsBecomeEntries()
    {
        QFETCH(QList<Row>, rows);
        QFETCH(QString, entries);
        QStandardItemModel model(0, 1);
        for (const Row &row : rows)
            AddRow(model, row);
        QCOMPARE(Describe(MessageSubjects().entries(model)), entries);
    }
};

QTEST_GUILESS_MAIN(TestSearchCriteria)
#include "tst_searchcriteria.moc"
