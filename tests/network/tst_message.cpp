#include "message.h"
#include "scopedclock.h"

#include <QtTest>

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
using Key = std::array<unsigned char, 16>;

const Key SessionKey = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xaa, 0xbb, 0xcc, 0xdd, 0xee, 0xff};
const Key ZeroKey = {};

// A header written by hand, word by word, in the given byte order.
QByteArray HandHeader(const std::array<std::uint32_t, 20> &words, bool bigEndian)
{
    QByteArray bytes;
    for (const std::uint32_t word : words) {
        for (int b = 0; b < 4; ++b) {
            const int shift = bigEndian ? 8 * (3 - b) : 8 * b;
            bytes.append(static_cast<char>((word >> shift) & 0xFF));
        }
    }
    return bytes;
}

QByteArray Ivec(const Message &message)
{
    return QByteArray(reinterpret_cast<const char *>(message.getIvec()), 16);
}

QByteArray Atag(const Message &message)
{
    return QByteArray(reinterpret_cast<const char *>(message.getAtag()), 16);
}
}

class TestMessage : public QObject
{
    Q_OBJECT

private slots:
    void newFrameHasRequestDefaults()
    {
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 2, 29, 23, 59, 58));
        const Message message(4000, "127.0.0.1");

        QCOMPARE(message.getByteOrder(), 1);
        QCOMPARE(message.getMessageId(), 0);
        QCOMPARE(message.getMajorProtocol(), 1);
        QCOMPARE(message.getMinorProtocol(), 0);
        QCOMPARE(message.getMajorOpcode(), 2);
        QCOMPARE(message.getMinorOpcode(), 2);
        QCOMPARE(message.getMajorErcode(), 1);
        QCOMPARE(message.getMinorErcode(), 1);
        QCOMPARE(message.getSessionId(), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(message.getYear(), 2024);
        QCOMPARE(message.getMonth(), 2);
        QCOMPARE(message.getDay(), 29);
        QCOMPARE(message.getHour(), 23);
        QCOMPARE(message.getMinute(), 59);
        QCOMPARE(message.getSecond(), 58);
        QCOMPARE(message.getHmacLength(), 0u);
        QCOMPARE(message.getIvecLength(), 16u);
        QCOMPARE(message.getAtagLength(), 16u);
        QCOMPARE(message.getCodeLength(), 0u);
        QCOMPARE(message.getBodyLength(), 0u);
        QCOMPARE(message.getPort(), static_cast<unsigned short>(4000));
        QCOMPARE(message.getHost(), std::string("127.0.0.1"));
    }

    void headerLayout_data()
    {
        QTest::addColumn<int>("sessionId");
        QTest::addColumn<int>("majorOpcode");
        QTest::addColumn<int>("minorOpcode");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");

        // Twenty little-endian words, session id second; written out by hand.
        QTest::newRow("select with session 42") << 42 << 41 << -38 << QByteArray("hello")
                                                << QByteArray::fromHex("01000000"
                                                                       "2a000000"
                                                                       "00000000"
                                                                       "01000000"
                                                                       "00000000"
                                                                       "29000000"
                                                                       "daffffff"
                                                                       "01000000"
                                                                       "01000000"
                                                                       "e8070000"
                                                                       "02000000"
                                                                       "1d000000"
                                                                       "0d000000"
                                                                       "05000000"
                                                                       "09000000"
                                                                       "00000000"
                                                                       "10000000"
                                                                       "10000000"
                                                                       "05000000"
                                                                       "00000000");
        QTest::newRow("log-on before any session, empty payload")
            << std::numeric_limits<int>::min() << 3 << 1 << QByteArray()
            << QByteArray::fromHex("01000000"
                                   "00000080"
                                   "00000000"
                                   "01000000"
                                   "00000000"
                                   "03000000"
                                   "01000000"
                                   "01000000"
                                   "01000000"
                                   "e8070000"
                                   "02000000"
                                   "1d000000"
                                   "0d000000"
                                   "05000000"
                                   "09000000"
                                   "00000000"
                                   "10000000"
                                   "10000000"
                                   "00000000"
                                   "00000000");
    }

    void headerLayout()
    {
        QFETCH(int, sessionId);
        QFETCH(int, majorOpcode);
        QFETCH(int, minorOpcode);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);

        const testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 2, 29, 13, 5, 9));
        Message message(4000, "127.0.0.1");
        message.setSessionId(sessionId);
        message.setMajorOpcode(majorOpcode);
        message.setMinorOpcode(minorOpcode);
        message.setBody(payload.toStdString());
        QVERIFY(message.encrypt(SessionKey.data()) > 0);

        const std::string header = message.encodeHeader();
        QCOMPARE(QByteArray::fromStdString(header).toHex(), expected.toHex());
    }

    void decodeHeader_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<int>("majorErcode");
        QTest::addColumn<int>("minorErcode");
        QTest::addColumn<int>("expectedMajorErcode");
        QTest::addColumn<int>("expectedMinorErcode");

        QTest::newRow("success") << false << 0 << 0 << 0 << 0;
        QTest::newRow("request's words (1, 1) read as success") << false << 1 << 1 << 0 << 0;
        QTest::newRow("(1, 0)") << false << 1 << 0 << 0 << 0;
        QTest::newRow("(0, 1)") << false << 0 << 1 << 0 << 0;
        QTest::newRow("(2, 1) keeps 2") << false << 2 << 1 << 2 << 0;
        QTest::newRow("negative codes") << false << -1 << -7 << -1 << -7;
        QTest::newRow("big-endian") << true << 5 << -3 << 5 << -3;
        QTest::newRow("big-endian (1, 1)") << true << 1 << 1 << 0 << 0;
    }

    void decodeHeader()
    {
        QFETCH(bool, bigEndian);
        QFETCH(int, majorErcode);
        QFETCH(int, minorErcode);
        QFETCH(int, expectedMajorErcode);
        QFETCH(int, expectedMinorErcode);

        const std::array<std::uint32_t, 20> words = {1,
                                                     42,
                                                     7,
                                                     1,
                                                     0,
                                                     41,
                                                     static_cast<std::uint32_t>(-38),
                                                     static_cast<std::uint32_t>(majorErcode),
                                                     static_cast<std::uint32_t>(minorErcode),
                                                     2031,
                                                     12,
                                                     31,
                                                     23,
                                                     59,
                                                     58,
                                                     3,
                                                     16,
                                                     16,
                                                     100000,
                                                     0};
        Message message(4000, "127.0.0.1");
        message.decodeHeader(HandHeader(words, bigEndian).constData());

        // The first word is read little-endian whatever the order.
        QCOMPARE(message.getByteOrder(), bigEndian ? 0x01000000 : 1);
        QCOMPARE(message.getSessionId(), 42);
        QCOMPARE(message.getMessageId(), 7);
        QCOMPARE(message.getMajorProtocol(), 1);
        QCOMPARE(message.getMinorProtocol(), 0);
        QCOMPARE(message.getMajorOpcode(), 41);
        QCOMPARE(message.getMinorOpcode(), -38);
        QCOMPARE(message.getMajorErcode(), expectedMajorErcode);
        QCOMPARE(message.getMinorErcode(), expectedMinorErcode);
        QCOMPARE(message.getYear(), 2031);
        QCOMPARE(message.getMonth(), 12);
        QCOMPARE(message.getDay(), 31);
        QCOMPARE(message.getHour(), 23);
        QCOMPARE(message.getMinute(), 59);
        QCOMPARE(message.getSecond(), 58);
        QCOMPARE(message.getHmacLength(), 3u);
        QCOMPARE(message.getIvecLength(), 16u);
        QCOMPARE(message.getAtagLength(), 16u);
        QCOMPARE(message.getCodeLength(), 100000u);
        QCOMPARE(message.getBodyLength(), 0u);
    }

    void emptyPayloadIsNotEncrypted()
    {
        Message message(4000, "127.0.0.1");
        const QByteArray ivecBefore = Ivec(message);
        const QByteArray atagBefore = Atag(message);

        QCOMPARE(message.encrypt(SessionKey.data()), 1);
        QCOMPARE(message.getCodeLength(), 0u);
        QCOMPARE(Ivec(message), ivecBefore);
        QCOMPARE(Atag(message), atagBefore);

        // Nor is an empty reply decrypted: it passes as it is.
        QCOMPARE(message.decrypt(SessionKey.data()), 1);
        QVERIFY(message.getBody().empty());
    }

    void encryptMovesPayloadIntoCode()
    {
        const char bytes[] = "\x08\xd2\x0f\x00 payload with a zero byte";
        const std::string payload(bytes, sizeof bytes - 1);
        Message message(4000, "127.0.0.1");
        message.setBody(payload);

        QCOMPARE(message.encrypt(SessionKey.data()), static_cast<int>(payload.size()));
        QVERIFY(message.getBody().empty());
        QCOMPARE(message.getBodyLength(), 0u);
        QCOMPARE(message.getCodeLength(), static_cast<std::uint32_t>(payload.size()));
        QVERIFY(message.getCode() != payload);

        QCOMPARE(message.decrypt(SessionKey.data()), static_cast<int>(payload.size()));
        QCOMPARE(message.getBody(), payload);
        QVERIFY(message.getCode().empty());
        QCOMPARE(message.getCodeLength(), 0u);
    }

    void payloadIsSealedWhereItLies()
    {
        const std::string payload(70000, 'p');
        Message message(4000, "127.0.0.1");

        QCOMPARE(message.encrypt(SessionKey.data(), payload), 70000);
        QVERIFY(message.getBody().empty());
        QCOMPARE(message.getBodyLength(), 0u);
        QCOMPARE(message.getCodeLength(), 70000u);
        QCOMPARE(payload, std::string(70000, 'p'));

        QCOMPARE(message.decrypt(SessionKey.data()), 70000);
        QCOMPARE(message.takeBody(), payload);
        QVERIFY(message.getBody().empty());
        QCOMPARE(message.getBodyLength(), 0u);

        // Nothing to seal: the frame keeps its empty code.
        QCOMPARE(message.encrypt(SessionKey.data(), std::string()), 1);
        QCOMPARE(message.getCodeLength(), 0u);
    }

    void nullKeyMeansSixteenZeroBytes()
    {
        Message message(4000, "127.0.0.1");
        message.setBody("before log-on");
        QCOMPARE(message.encrypt(nullptr), 13);
        QCOMPARE(message.decrypt(ZeroKey.data()), 13);
        QCOMPARE(message.getBody(), std::string("before log-on"));
    }

    void failedDecryptionLeavesFrame_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("wrong key") << 0;
        QTest::newRow("changed tag byte") << 1;
        QTest::newRow("changed ciphertext byte") << 2;
        QTest::newRow("changed nonce byte") << 3;
    }

    void failedDecryptionLeavesFrame()
    {
        QFETCH(int, damage);
        Message message(4000, "127.0.0.1");
        message.setBody("secret reply");
        QCOMPARE(message.encrypt(SessionKey.data()), 12);

        Key key = SessionKey;
        switch (damage) {
        case 0:
            key[15] ^= 0x80;
            break;
        case 1:
            message.getAtag()[15] ^= 0x01;
            break;
        case 2: {
            std::string code = message.getCode();
            code[0] = static_cast<char>(code[0] ^ 0x01);
            message.setCode(code);
            break;
        }
        case 3:
            message.getIvec()[11] ^= 0x01;
            break;
        }
        const std::string codeBefore = message.getCode();

        QCOMPARE(message.decrypt(key.data()), -1);
        QCOMPARE(message.getCode(), codeBefore);
        QVERIFY(message.getBody().empty());
    }

    void onlyTheFirstTwelveIvBytesCount()
    {
        Message message(4000, "127.0.0.1");
        message.setBody("nonce");
        QCOMPARE(message.encrypt(SessionKey.data()), 5);
        message.getIvec()[12] ^= 0xFF;
        message.getIvec()[15] ^= 0xFF;
        QCOMPARE(message.decrypt(SessionKey.data()), 5);
    }

    void framesOfOneSecondDifferOnlyInTheirIv()
    {
        const testsupport::ScopedClock clock(testsupport::UtcInstant(2024, 7, 1, 8, 0, 0));
        Message first(4000, "127.0.0.1");
        Message second(4000, "127.0.0.1");
        first.setBody("same");
        second.setBody("same");
        QCOMPARE(first.encrypt(SessionKey.data()), 4);
        QCOMPARE(second.encrypt(SessionKey.data()), 4);

        QCOMPARE(first.encodeHeader(), second.encodeHeader());
        QVERIFY(Ivec(first) != Ivec(second));
        QVERIFY(first.getCode() != second.getCode());
    }

    void ivsNeverRepeat()
    {
        // Enough frames to draw from the random source several times over.
        QSet<QByteArray> ivs;
        for (int i = 0; i < 1000; ++i) {
            Message message(4000, "127.0.0.1");
            QCOMPARE(message.encrypt(SessionKey.data(), "x"), 1);
            ivs.insert(Ivec(message));
        }
        QCOMPARE(ivs.size(), 1000);
    }

    void hmacIsCertifiedOnlyWhenEqualAndNotEmpty()
    {
        Message message(4000, "127.0.0.1");
        QCOMPARE(message.certifyHmac(std::string()), -1);
        message.setHmac("ABCDEF");
        QCOMPARE(message.getHmacLength(), 6u);
        QCOMPARE(message.certifyHmac("ABCDEF"), 0);
        QCOMPARE(message.certifyHmac("abcdef"), -1);
    }

    void resizeCodeZeroFills()
    {
        Message message(4000, "127.0.0.1");
        message.setCode("ab");
        message.resizeCode(4);
        QCOMPARE(message.getCode(), std::string("ab\0\0", 4));
        QCOMPARE(message.getCodeLength(), 4u);
    }
};

QTEST_GUILESS_MAIN(TestMessage)
#include "tst_message.moc"
