#include "documentkeyproxy.h"
#include "documentproxy.h"
#include "folderkeyproxy.h"
#include "folderproxy.h"
#include "groupkeyproxy.h"
#include "groupproxy.h"
#include "messageproxy.h"
#include "securitydescriptorproxy.h"
#include "userproxy.h"

#include <QtTest>

#include <stdexcept>
#include <type_traits>

namespace
{
// Every base names its bits only; none carries a field of its own.
static_assert(sizeof(DocumentKeyProxy) == sizeof(Proxy));
static_assert(sizeof(FolderKeyProxy) == sizeof(Proxy));
static_assert(sizeof(DocumentProxy) == sizeof(Proxy));
static_assert(sizeof(FolderProxy) == sizeof(Proxy));
static_assert(sizeof(SecurityDescriptorProxy) == sizeof(Proxy));
static_assert(sizeof(GroupProxy) == sizeof(Proxy));
static_assert(sizeof(MessageProxy) == sizeof(Proxy));
static_assert(sizeof(UserProxy) == sizeof(Proxy));
static_assert(std::has_virtual_destructor_v<Proxy>);
static_assert(std::has_virtual_destructor_v<GroupKeyProxy>);
static_assert(!std::is_base_of_v<Proxy, GroupKeyProxy>);

// Bit masks of the words that the writers fill as a whole.
unsigned int Mask(std::initializer_list<unsigned int> positions)
{
    unsigned int word = 0;
    for (unsigned int position : positions)
        word |= 1u << position;
    return word;
}
}

class TestProxy : public QObject
{
    Q_OBJECT

private slots:
    void getBit_data()
    {
        QTest::addColumn<uint>("position");
        QTest::addColumn<uint>("bits");
        QTest::addColumn<bool>("set");
        QTest::newRow("highest bit set") << 31u << 0x80000000u << true;
        QTest::newRow("lowest bit clear") << 0u << 0x80000000u << false;
        QTest::newRow("lowest bit set") << 0u << 1u << true;
        QTest::newRow("empty word") << 13u << 0u << false;
        QTest::newRow("every month and day, switch off") << 0u << 0xFFFFEu << false;
        QTest::newRow("every month and day, December") << 12u << 0xFFFFEu << true;
    }

    void getBit()
    {
        QFETCH(uint, position);
        QFETCH(uint, bits);
        QFETCH(bool, set);
        QCOMPARE(Proxy().getBit(position, bits), set);
    }

    void setBit_data()
    {
        QTest::addColumn<uint>("position");
        QTest::addColumn<uint>("bits");
        QTest::addColumn<bool>("value");
        QTest::addColumn<uint>("result");
        QTest::newRow("set in an empty word") << 5u << 0u << true << 32u;
        QTest::newRow("clear the switch") << 0u << 0xFFFFFu << false << 0xFFFFEu;
        QTest::newRow("set what is set") << 3u << 8u << true << 8u;
        QTest::newRow("clear what is clear") << 3u << 0u << false << 0u;
        QTest::newRow("set the highest bit") << 31u << 0u << true << 0x80000000u;
        QTest::newRow("clear the highest bit") << 31u << 0xFFFFFFFFu << false << 0x7FFFFFFFu;
    }

    void setBit()
    {
        QFETCH(uint, position);
        QFETCH(uint, bits);
        QFETCH(bool, value);
        QFETCH(uint, result);
        QCOMPARE(Proxy().setBit(position, bits, value), result);
    }

    void positionOutsideTheWordRaises_data()
    {
        QTest::addColumn<uint>("position");
        QTest::newRow("32") << 32u;
        QTest::newRow("largest") << 0xFFFFFFFFu;
    }

    void positionOutsideTheWordRaises()
    {
        QFETCH(uint, position);
        const Proxy proxy;
        try {
            proxy.getBit(position, 0xFFFFFFFFu);
            QFAIL("getBit accepted the position");
        } catch (const std::out_of_range &error) {
            QVERIFY(QByteArray(error.what()).startsWith("bitset::test: __position (which is "));
        }
        try {
            proxy.setBit(position, 0u, true);
            QFAIL("setBit accepted the position");
        } catch (const std::out_of_range &error) {
            QVERIFY(QByteArray(error.what()).startsWith("bitset::set: __position (which is "));
        }
    }

    void activeLayout()
    {
        QCOMPARE(uint(DocumentKeyProxy::ActiveStatus), 0u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveDuringJanuary), 1u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveDuringJune), 6u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveDuringDecember), 12u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveOnSunday), 13u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveOnWednesday), 16u);
        QCOMPARE(uint(DocumentKeyProxy::ActiveOnSaturday), 19u);
        // Bits 0 to 19: on, in every month and on every day.
        const unsigned int every =
            Mask({DocumentKeyProxy::ActiveStatus,         DocumentKeyProxy::ActiveDuringJanuary,
                  DocumentKeyProxy::ActiveDuringFebruary, DocumentKeyProxy::ActiveDuringMarch,
                  DocumentKeyProxy::ActiveDuringApril,    DocumentKeyProxy::ActiveDuringMay,
                  DocumentKeyProxy::ActiveDuringJune,     DocumentKeyProxy::ActiveDuringJuly,
                  DocumentKeyProxy::ActiveDuringAugust,   DocumentKeyProxy::ActiveDuringSeptember,
                  DocumentKeyProxy::ActiveDuringOctober,  DocumentKeyProxy::ActiveDuringNovember,
                  DocumentKeyProxy::ActiveDuringDecember, DocumentKeyProxy::ActiveOnSunday,
                  DocumentKeyProxy::ActiveOnMonday,       DocumentKeyProxy::ActiveOnTuesday,
                  DocumentKeyProxy::ActiveOnWednesday,    DocumentKeyProxy::ActiveOnThursday,
                  DocumentKeyProxy::ActiveOnFriday,       DocumentKeyProxy::ActiveOnSaturday});
        QCOMPARE(every, 0xFFFFFu);
        // The folder key's word has the same layout.
        QCOMPARE(uint(FolderKeyProxy::ActiveStatus), uint(DocumentKeyProxy::ActiveStatus));
        QCOMPARE(uint(FolderKeyProxy::ActiveDuringMarch), uint(DocumentKeyProxy::ActiveDuringMarch));
        QCOMPARE(uint(FolderKeyProxy::ActiveOnFriday), uint(DocumentKeyProxy::ActiveOnFriday));
        QCOMPARE(uint(FolderKeyProxy::ActiveOnSaturday), 19u);
    }

    void permissionLayouts()
    {
        // Document: the reserved bits 2 to 5 are part of the full word 0xFFF.
        const unsigned int document =
            Mask({DocumentKeyProxy::View, DocumentKeyProxy::Update, DocumentKeyProxy::Search,
                  DocumentKeyProxy::CopyFromClipboard, DocumentKeyProxy::CopyToClipboard,
                  DocumentKeyProxy::ExportToTextFile, DocumentKeyProxy::ExportToPdfFile, DocumentKeyProxy::Print});
        QCOMPARE(document, 0xFC3u);
        QCOMPARE(document | Mask({2, 3, 4, 5}), 4095u);
        QCOMPARE(uint(DocumentKeyProxy::Search), 6u);
        QCOMPARE(uint(DocumentKeyProxy::CopyFromClipboard), 7u);
        QCOMPARE(uint(DocumentKeyProxy::CopyToClipboard), 8u);

        // Folder: view and search; bits 1 to 5 reserved, full word 0x7F.
        QCOMPARE(Mask({FolderKeyProxy::View, FolderKeyProxy::Search}) | Mask({1, 2, 3, 4, 5}), 0x7Fu);
        QCOMPARE(uint(FolderKeyProxy::Search), 6u);

        // Message: bits 1 and 2 reserved.
        QCOMPARE(Mask({MessageProxy::View, MessageProxy::CopyToClipboard, MessageProxy::ExportToTextFile,
                       MessageProxy::ExportToPdfFile, MessageProxy::Print, MessageProxy::Search, MessageProxy::Reply,
                       MessageProxy::ReplyAll, MessageProxy::Forward}),
                 0x7F9u);
        QCOMPARE(uint(MessageProxy::Reply), 8u);
        QCOMPARE(uint(MessageProxy::Forward), 10u);
    }

    void propertyLayouts()
    {
        QCOMPARE(uint(DocumentKeyProxy::EmphasizeName), 0u);
        QCOMPARE(uint(FolderKeyProxy::EmphasizeName), 0u);
        QCOMPARE(uint(UserProxy::MultiFactorAuthentication), 0u);
        QCOMPARE(uint(UserProxy::DocumentSharedNotifications), 1u);
        QCOMPARE(uint(UserProxy::MessageReceivedNotifications), 2u);
    }

    void wholeValues()
    {
        QCOMPARE(uint(DocumentKeyProxy::NoAction), 0u);
        QCOMPARE(uint(FolderKeyProxy::NoAction), 0u);
        QCOMPARE(uint(FolderKeyProxy::ExpirationAction(FolderKeyProxy::NoAction)), 0u);
        QCOMPARE(int(MessageProxy::HtmlFormat), 0);
        QCOMPARE(int(DocumentKeyProxy::NoDefaults), 0);
        QCOMPARE(int(DocumentKeyProxy::PermissiveDefaults), 1);
        QCOMPARE(int(DocumentKeyProxy::RestrictiveDefaults), 2);
        QCOMPARE(int(DocumentProxy::RestrictiveDefaults), 2);
        QCOMPARE(int(FolderProxy::PermissiveDefaults), 1);
        QCOMPARE(int(SecurityDescriptorProxy::NoDefaults), 0);
        // The audit word has no named position, yet every bit of it can be
        // passed; bit n + 10 is the details bit of severity n.
        const DocumentKeyProxy proxy;
        const DocumentKeyProxy::Audit details{14};
        QVERIFY(proxy.getBit(details, proxy.setBit(details, 0, true)));
    }
};

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
