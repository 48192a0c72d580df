#include "syntheticdrag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace
{
// Takes a drag when told to, and records every drag event it gets.
class DropTarget : public QWidget
{
public:
    explicit DropTarget(bool accepting, QStringList *log)
        : m_accepting(accepting)
        , m_log(log)
    {
        setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override { record(event, QStringLiteral("enter")); }
    void dragMoveEvent(QDragMoveEvent *event) override { record(event, QStringLiteral("move")); }
    void dragLeaveEvent(QDragLeaveEvent *) override { m_log->append(objectName() + QStringLiteral(" leave")); }
    void dropEvent(QDropEvent *event) override { record(event, QStringLiteral("drop")); }

private:
    void record(QDropEvent *event, const QString &what)
    {
        m_log->append(objectName() + QLatin1Char(' ') + what);
        if (m_accepting)
            event->acceptProposedAction();
        else
            event->ignore();
    }

    bool m_accepting;
    QStringList *m_log;
};

std::unique_ptr<DropTarget> Target(const QString &name, bool accepting, QStringList *log)
{
    auto target = std::make_unique<DropTarget>(accepting, log);
    target->setObjectName(name);
    target->resize(100, 100);
    return target;
}
}

class TestSyntheticDrag : public QObject
{
    Q_OBJECT

private slots:
    void everyDragEnds_data()
    {
        QTest::addColumn<bool>("accepting");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("dropTaken");
        QTest::newRow("taken, dropped") << true << true << QStringList{"a enter", "a move", "a drop"} << true;
        QTest::newRow("taken, left") << true << false << QStringList{"a enter", "a move", "a leave"} << false;
        // As on the desktop, a refused entry keeps the moves, the drop and
        // the leave from the widget: nothing took the drag.
        QTest::newRow("refused, dropped") << false << true << QStringList{"a enter"} << false;
        QTest::newRow("refused, left") << false << false << QStringList{"a enter"} << false;
    }

    void everyDragEnds()
    {
        QFETCH(bool, accepting);
        QFETCH(bool, dropped);
        QFETCH(QStringList, events);
        QFETCH(bool, dropTaken);
        QStringList log;
        const std::unique_ptr<DropTarget> target = Target(QStringLiteral("a"), accepting, &log);
        QMimeData data;
        data.setText(QStringLiteral("text"));
        {
            testsupport::SyntheticDrag drag(target.get(), &data);
            QCOMPARE(drag.enter(QPoint(5, 5)), accepting);
            QCOMPARE(drag.move(QPoint(6, 6)), accepting);
            if (dropped)
                QCOMPARE(drag.drop(QPoint(6, 6)), dropTaken);
        }
        QCOMPARE(log, events);
    }

    // The fault the helper exists for: a taken drag on a widget that is gone
    // must not make it the receiver of the next drag's moves and drops.
    void aDragOnAGoneWidgetLeavesNothingBehind()
    {
        QStringList log;
        QMimeData data;
        data.setText(QStringLiteral("text"));
        {
            const std::unique_ptr<DropTarget> gone = Target(QStringLiteral("gone"), true, &log);
            testsupport::SyntheticDrag drag(gone.get(), &data);
            QVERIFY(drag.enter(QPoint(5, 5)));
            QVERIFY(drag.move(QPoint(5, 5)));
        }
        const std::unique_ptr<DropTarget> next = Target(QStringLiteral("next"), false, &log);
        testsupport::SyntheticDrag drag(next.get(), &data);
        QVERIFY(!drag.enter(QPoint(5, 5)));
        QVERIFY(!drag.move(QPoint(5, 5)));
        QVERIFY(!drag.drop(QPoint(5, 5)));
        QCOMPARE(log, QStringList({"gone enter", "gone move", "gone leave", "next enter"}));
    }

    void anItemViewTakesItsDragsInItsViewport()
    {
        QListWidget list;
        list.setDragDropMode(QAbstractItemView::DropOnly);
        list.resize(200, 100);
        QMimeData data;
        data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray());
        testsupport::SyntheticDrag drag(&list, &data, Qt::CopyAction);
        // The list itself has no drop handling; its viewport has.
        QVERIFY(drag.enter(QPoint(5, 5)));
        QCOMPARE(drag.dropAction(), Qt::CopyAction);
    }
};

QTEST_MAIN(TestSyntheticDrag)
#include "tst_syntheticdrag.moc"
