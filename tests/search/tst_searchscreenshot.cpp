#include "clienttranslation.h"
#include "common/majorcode.h"
#include "common/minortag.h"
#include "dispatchtotestserver.h"
#include "folderdocumentsearchdialog.h"
#include "messagesearchdialog.h"
#include "registry.h"
#include "scopedclock.h"
#include "screenshot.h"
#include "searchtableview.h"
#include "searchtestsupport.h"
#include "testenvironment.h"
#include "testserver.h"

#include "folder3.pb.h"
#include "message3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessageuserreply3.pb.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

using namespace searchtest;

namespace
{
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
// pictures in the build tree.
class TestSearchScreenshot : public QObject
{
    Q_OBJECT

private:
    testsupport::TestServer m_server;
    testsupport::ScopedClock m_clock{testsupport::UtcInstant(2024, 6, 14, 12)};

    // Something drawn in the criteria and in the results: not a blank or a
    // half-painted window.
    static bool looksDrawn(const testsupport::Screenshot &shot, QDialog &dialog)
    {
        const qreal ratio = shot.image().devicePixelRatio();
        return shot.image().width() >= 640 * ratio && shot.image().height() >= 480 * ratio
               && shot.colours(Criteria(dialog)) >= 8 && shot.colours(Results(dialog)) >= 8 && shot.colours() >= 32;
    }

private slots:
    void initTestCase()
    {
        testsupport::SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
        QVERIFY(testsupport::InstallClientTranslation());
        QVERIFY(testsupport::StartAndDispatchTo(m_server));
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
        m_server.reply(common::op::SelectDocument, common::tag::Plain, reply.SerializeAsString());

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
        QCOMPARE(m_server.requests().back().majorOpcode, common::op::SelectDocument);
        Results(dialog)->selectRow(1);

        const testsupport::Screenshot shot(&dialog, QStringLiteral("document-search"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(looksDrawn(shot, dialog));
    }

    void messageSearchAfterASearch()
    {
        qorv::data::SelectMessageReply own;
        *own.add_message() = MakeMessage("Lee", "Ann", "Budget draft", "2024-03-01 09:00:00");
        *own.add_message() = MakeMessage("Lee", "Ann", "Agenda for Monday", "2024-04-01 09:00:00");
        qorv::data::SelectMessageUserReply received;
        *received.add_message() = MakeMessage("Young", "Bo", "Re: Budget draft", "2024-03-02 10:00:00");
        m_server.reply(common::op::SelectMessage, common::tag::Plain, own.SerializeAsString());
        m_server.reply(common::op::SelectMessageUser, common::tag::Plain, received.SerializeAsString());

        MessageSearchDialog dialog(55, 7, nullptr);
        dialog.resize(800, 560);
        QVERIFY(ShowActive(dialog));
        ClickHorizontalHeader(*Criteria(dialog));
        SetTextCriterion(*Criteria(dialog), 0, 1, 2, QStringLiteral("%budget%"));
        SetDateCriterion(*Criteria(dialog), 1, 3, 5, QDate(2024, 2, 1));
        Button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(Results(dialog)->rowCount(), 3);

        const testsupport::Screenshot shot(&dialog, QStringLiteral("message-search"));
        QVERIFY2(shot.isSaved(), qPrintable(shot.path()));
        QVERIFY(looksDrawn(shot, dialog));
    }
};

QTEST_MAIN(TestSearchScreenshot)
#include "tst_searchscreenshot.moc"
