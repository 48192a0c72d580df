#include "folderdocumentsearchdialog.h"
#include "messagedispatcher.h"
#include "messagesearchdialog.h"
#include "registry.h"
#include "scopedclock.h"
#include "searchtableview.h"
#include "searchtestsupport.h"
#include "testenvironment.h"
#include "testserver.h"

#include "folder3.pb.h"
#include "message3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessageuserreply3.pb.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

using namespace searchtest;

namespace
{
int DistinctColours(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

QRect AreaIn(const QWidget *window, const QWidget *child, qreal ratio)
{
    return QRect(child->mapTo(window, QPoint(0, 0)) * ratio, child->size() * ratio);
}

qorv::data::Document MakeDocument(const std::string &name, const std::string &created, const std::string &modified)
{
    qorv::data::Document document;
    document.set_document_name(name);
    document.set_document_creation_date(created);
    document.set_document_modification_date(modified);
    return document;
}

qorv::data::Message MakeMessage(const std::string &last, const std::string &first, const std::string &subject,
                                const std::string &created)
{
    qorv::data::Message message;
    message.set_message_subject(subject);
    message.set_message_creation_date(created);
    message.set_message_modification_date(created);
    message.mutable_message_sender()->set_user_last_name(last);
    message.mutable_message_sender()->set_user_first_name(first);
    return message;
}
}

// The two search dialogs as a user sees them after a search, kept as
// pictures in the build tree. Under a real X server (Xvfb) the picture is
// taken from the screen; on the offscreen platform the dialog renders itself.
class TestSearchScreenshot : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    testsupport::TestServer m_server;
    testsupport::ScopedClock m_clock{testsupport::UtcInstant(2024, 6, 14, 12)};

    static QImage grab(QDialog &dialog)
    {
        const bool onScreen = QGuiApplication::platformName() == QLatin1String("xcb");
        return onScreen ? dialog.screen()->grabWindow(dialog.winId()).toImage() : dialog.grab().toImage();
    }

    // Something drawn in the criteria and in the results: not a blank or a
    // half-painted window.
    static bool looksDrawn(const QImage &image, QDialog &dialog)
    {
        const qreal ratio = image.devicePixelRatio();
        return !image.isNull() && image.width() >= 640 * ratio && image.height() >= 480 * ratio
               && DistinctColours(image, AreaIn(&dialog, Criteria(dialog), ratio)) >= 8
               && DistinctColours(image, AreaIn(&dialog, Results(dialog), ratio)) >= 8
               && DistinctColours(image, image.rect()) >= 32;
    }

    // Under X the screen may still show an earlier frame: the picture counts
    // once its results agree with what the dialog itself renders now.
    static bool showsTheDialogAsItIs(const QImage &image, QDialog &dialog)
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return true;
        const QImage rendered = dialog.grab().toImage().convertToFormat(image.format());
        const QRect area = AreaIn(&dialog, Results(dialog), image.devicePixelRatio()).intersected(image.rect());
        int same = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                same += image.pixel(x, y) == rendered.pixel(x, y) ? 1 : 0;
        }
        return same >= area.width() * area.height() * 99 / 100;
    }

    static bool savePicture(QDialog &dialog, const QString &name)
    {
        dialog.raise();
        dialog.activateWindow();
        // Pending layout and paint requests first, as the event loop would.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QImage image;
        if (!QTest::qWaitFor([&] {
                image = grab(dialog);
                return looksDrawn(image, dialog) && showsTheDialogAsItIs(image, dialog);
            }))
            return false;
        const QString path =
            QStringLiteral(QORV_SCREENSHOT_DIR "/%1-%2.png").arg(name, QGuiApplication::platformName());
        if (!image.save(path))
            return false;
        qInfo("screenshot: %s", qPrintable(path));
        return true;
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
        QVERIFY(m_translator.load(QStringLiteral(":build/client_en.qm")));
        QCoreApplication::installTranslator(&m_translator);
        QVERIFY(m_server.start());
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        qorv::data::User user;
        user.set_user_id(7);
        user.set_user_folder_id(100);
        RegistrySingleton::instance()->setUser(user);
    }

    void documentSearchAfterASearch()
    {
        qorv::data::SelectDocumentReply reply;
        *reply.add_document() = MakeDocument("Quarterly report", "2024-03-05 14:07:09", "2024-05-01 08:00:00");
        *reply.add_document() = MakeDocument("Budget 2024", "2024-01-20 09:30:00", "2024-06-01 10:00:00");
        *reply.add_document() = MakeDocument("Board minutes", "2023-12-24 18:00:00", "2024-02-02 12:00:00");
        m_server.reply(41, 1, reply.SerializeAsString());

        qorv::data::Folder folder;
        folder.set_folder_id(200);
        folder.set_folder_name("Reports 2024");
        FolderDocumentSearchDialog dialog(folder, nullptr);
        dialog.resize(800, 560);
        QVERIFY(ShowActive(dialog));
        ClickHorizontalHeader(*Criteria(dialog));
        SetTextCriterion(*Criteria(dialog), 0, 0, 2, QStringLiteral("%report%"));
        SetDateCriterion(*Criteria(dialog), 1, 2, 5, QDate(2024, 1, 1));
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(Results(dialog)->rowCount(), 3);
        QCOMPARE(m_server.requests().back().majorOpcode, 41);
        Results(dialog)->selectRow(1);

        QVERIFY(savePicture(dialog, QStringLiteral("document-search")));
    }

    void messageSearchAfterASearch()
    {
        qorv::data::SelectMessageReply own;
        *own.add_message() = MakeMessage("Lee", "Ann", "Budget draft", "2024-03-01 09:00:00");
        *own.add_message() = MakeMessage("Lee", "Ann", "Agenda for Monday", "2024-04-01 09:00:00");
        qorv::data::SelectMessageUserReply received;
        *received.add_message() = MakeMessage("Young", "Bo", "Re: Budget draft", "2024-03-02 10:00:00");
        m_server.reply(50, 1, own.SerializeAsString());
        m_server.reply(51, 1, received.SerializeAsString());

        MessageSearchDialog dialog(55, 7, nullptr);
        dialog.resize(800, 560);
        QVERIFY(ShowActive(dialog));
        ClickHorizontalHeader(*Criteria(dialog));
        SetTextCriterion(*Criteria(dialog), 0, 1, 2, QStringLiteral("%budget%"));
        SetDateCriterion(*Criteria(dialog), 1, 3, 5, QDate(2024, 2, 1));
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(Results(dialog)->rowCount(), 3);

        QVERIFY(savePicture(dialog, QStringLiteral("message-search")));
    }
};

QTEST_MAIN(TestSearchScreenshot)
#include "tst_searchscreenshot.moc"
