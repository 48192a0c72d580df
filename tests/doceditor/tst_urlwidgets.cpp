#include "addurldialog.h"
#include "clienttranslation.h"
#include "dialoganswerer.h"
#include "syntheticdrag.h"
#include "testenvironment.h"
#include "url.h"
#include "urldockwidget.h"
#include "urllistwidget.h"

#include <QDropEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

QORV_ISOLATE_TEST_ENVIRONMENT()

using testsupport::DialogAnswerer;

namespace
{
QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QList<QToolButton *> Buttons(const UrlDockWidget &dock)
{
    return dock.widget()->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly).isEmpty()
               ? dock.findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)
               : dock.widget()->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
}

// "1" for each enabled button, Load, Add, Edit, Remove, Close.
QString Enabled(const UrlDockWidget &dock)
{
    QString states;
    for (const QToolButton *button : Buttons(dock))
        states += button->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

QMimeData *UrlData(const QStringList &urls)
{
    auto *data = new QMimeData;
    QList<QUrl> list;
    for (const QString &url : urls)
        list.append(QUrl(url));
    data->setUrls(list);
    return data;
}

DialogAnswerer::Action Describe(const QString &text)
{
    return [=](QWidget *shown) {
        auto *input = qobject_cast<QInputDialog *>(shown);
        if (!input) {
            shown->close();
            return;
        }
        input->setTextValue(text);
        input->accept();
    };
}
}

// The web-address value and widgets: only secure addresses anywhere, the
// sorted list without duplicates, the dock's buttons, drags and drops, the
// description edit and the add dialog.
class TestUrlWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void secureAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("secure");
        QTest::newRow("https") << "https://example.org/a" << true;
        QTest::newRow("capital scheme") << "HTTPS://example.org/a" << true;
        QTest::newRow("http") << "http://example.org/a" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("invalid") << "https://exa mple.org:port" << false;
        QTest::newRow("ftp") << "ftp://example.org/a" << false;
    }

    void secureAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, secure);
        QCOMPARE(Url(text).isSecure(), secure);
        QCOMPARE(Url(QUrl(text)).isSecure(), secure);
    }

    void trySecureReplacesTheScheme()
    {
        bool changed = true;
        Url ftp(QStringLiteral("ftp://example.org/a"));
        QVERIFY(ftp.trySecure(changed));
        QVERIFY(changed);
        QCOMPARE(ftp.toString(), QStringLiteral("https://example.org/a"));

        Url https(QStringLiteral("https://example.org/a"));
        QVERIFY(https.trySecure(changed));
        QVERIFY(!changed);

        Url empty{QString()};
        QVERIFY(!empty.trySecure(changed));
        QVERIFY(!changed);
    }

    void valueDefaultsAndText()
    {
        Url url(QStringLiteral("https://example.org/ä"));
        QVERIFY(url.getDocumentId().null());
        QVERIFY(url.getDescription().isEmpty());
        QCOMPARE(static_cast<std::string>(url), url.toString().toUtf8().toStdString());
        url.setDocumentId(7);
        url.setDescription(QStringLiteral("Home"));
        QCOMPARE(static_cast<int>(url.getDocumentId()), 7);
        QCOMPARE(url.getDescription(), QStringLiteral("Home"));
    }

    void listKeepsOneItemPerTextSorted()
    {
        UrlDockWidget dock;
        Url second(QStringLiteral("https://b.example.org"));
        second.setDescription(QStringLiteral("Bee"));
        emit dock.addUrl(second);
        emit dock.addUrl(Url(QStringLiteral("https://a.example.org")));
        emit dock.addUrl(Url(QStringLiteral("https://b.example.org")));
        emit dock.addUrl(Url(QStringLiteral("https://a.example.org/X")));
        emit dock.addUrl(Url(QStringLiteral("https://a.example.org/x")));
        UrlListWidget *list = dock.getListWidget();
        QCOMPARE(Texts(list), QStringList({"https://a.example.org", "https://a.example.org/X",
                                           "https://a.example.org/x", "https://b.example.org"}));
        QCOMPARE(list->item(3)->data(Qt::StatusTipRole).toString(), QStringLiteral("Bee"));
        QCOMPARE(list->item(3)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
        QVERIFY(!list->acceptDrops());
    }

    void readOnlyLeavesOnlyLoad()
    {
        UrlDockWidget dock;
        QCOMPARE(Buttons(dock).size(), 5);
        dock.setReadOnly(true);
        QCOMPARE(Enabled(dock), QStringLiteral("10000"));
        dock.setReadOnly(false);
        QCOMPARE(Enabled(dock), QStringLiteral("11111"));
        dock.setButtonEnabled(UrlDockWidget::EditButton, false);
        QCOMPARE(Enabled(dock), QStringLiteral("11011"));
        dock.setButtonEnabled(UrlDockWidget::AllButtons, false);
        QCOMPARE(Enabled(dock), QStringLiteral("00000"));
        QTest::ignoreMessage(QtWarningMsg, "UrlDockWidget::setButtonEnabled: bad button");
        dock.setButtonEnabled(static_cast<UrlDockWidget::Buttons>(6), true);
        QCOMPARE(Enabled(dock), QStringLiteral("00000"));
    }

    void dragsAreTakenOnlyWhenEveryAddressIsSecure_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("two https") << QStringList({"https://a.org", "https://b.org"}) << true;
        QTest::newRow("one http among them") << QStringList({"https://a.org", "http://b.org"}) << false;
    }

    void dragsAreTakenOnlyWhenEveryAddressIsSecure()
    {
        QFETCH(QStringList, urls);
        QFETCH(bool, accepted);
        UrlDockWidget dock;
        std::unique_ptr<QMimeData> data(UrlData(urls));
        testsupport::SyntheticDrag drag(&dock, data.get(), Qt::CopyAction | Qt::MoveAction);
        QCOMPARE(drag.enter(QPoint(1, 1)), accepted);
        if (accepted)
            QCOMPARE(drag.dropAction(), Qt::CopyAction);
    }

    void dropAddsEverySecureAddressInOrder()
    {
        // Qt hands a drop only to the target of a running drag; the handler
        // is called as that delivery would call it.
        struct DropTarget : UrlDockWidget
        {
            using UrlDockWidget::dropEvent;
        } dock;
        QStringList events;
        connect(&dock, &UrlDockWidget::newUrl, this, [&events](const Url &url) { events << "new " + url.toString(); });
        connect(&dock, qOverload<Url>(&UrlDockWidget::addUrl), this,
                [&events](const Url &url) { events << "add " + url.toString(); });
        std::unique_ptr<QMimeData> data(UrlData({"https://b.org", "http://c.org", "https://a.org"}));
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        dock.dropEvent(&drop);
        QCOMPARE(events,
                 QStringList({"new https://b.org", "add https://b.org", "new https://a.org", "add https://a.org"}));
        QCOMPARE(Texts(dock.getListWidget()), QStringList({"https://a.org", "https://b.org"}));
    }

    void descriptionEditTakesOneTo255Characters_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("taken");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("255") << 255 << true;
        QTest::newRow("256") << 256 << false;
    }

    void descriptionEditTakesOneTo255Characters()
    {
        QFETCH(int, length);
        QFETCH(bool, taken);
        UrlDockWidget dock;
        emit dock.addUrl(Url(QStringLiteral("https://a.org")));
        dock.getListWidget()->item(0)->setSelected(true);
        QList<Url> edited;
        connect(&dock, qOverload<Url>(&UrlDockWidget::editUrl), this, [&edited](const Url &url) { edited << url; });
        DialogAnswerer answerer;
        const QString text(length, QLatin1Char('d'));
        answerer.expect(Describe(text));
        dock.editUrl();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().value(0).title, QStringLiteral("Edit URL Description [https://a.org]"));
        QCOMPARE(edited.size(), taken ? 1 : 0);
        QCOMPARE(dock.getListWidget()->item(0)->data(Qt::StatusTipRole).toString(), taken ? text : QString());
        if (taken)
            QCOMPARE(edited.first().getDescription(), text);
    }

    void addDialogEnablesOkOnlyForASecureEdit()
    {
        AddUrlDialog dialog;
        const QList<QLineEdit *> edits = dialog.findChildren<QLineEdit *>();
        QCOMPARE(edits.size(), 2);
        QLineEdit *url = edits.at(0);
        QLineEdit *description = edits.at(1);
        QPushButton *ok = dialog.findChildren<QPushButton *>().value(0);
        QCOMPARE(url->text(), QStringLiteral("https://"));
        QCOMPARE(url->maxLength(), 2000);
        QCOMPARE(description->maxLength(), 256);
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(url, QStringLiteral("example.org"));
        QVERIFY(ok->isEnabled());
        url->selectAll();
        QTest::keyClicks(url, QStringLiteral("http://example.org"));
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog.getUrl(), QStringLiteral("http://example.org"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add URL"));
    }
};

QTEST_MAIN(TestUrlWidgets)
#include "tst_urlwidgets.moc"
