#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Every text the code looks up must be in the English translation file: a key
// that is missing there would show as the bare key. The code is scanned with
// lupdate, the tool that extracts the tr() calls, and what it finds is compared
// with the hand-written translation source.
class TestTranslationKeys : public QObject
{
    Q_OBJECT

private:
    using Message = QPair<QString, QString>; // context, source key

    static QList<Message> readMessages(const QString &fileName, bool *ok)
    {
        QList<Message> messages;
        QFile file(fileName);
        *ok = file.open(QIODevice::ReadOnly);
        if (!*ok)
            return messages;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                messages.append({context, xml.readElementText()});
        }
        *ok = !xml.hasError();
        return messages;
    }

    // Every area of the program keeps its texts in its own "<area>_en.ts";
    // the build compiles them all into the one translation.
    static QList<Message> readAllTranslations(bool *ok)
    {
        QList<Message> messages;
        const QDir dir(QStringLiteral(QORV_TRANSLATION_DIR));
        const QStringList files = dir.entryList({QStringLiteral("*_en.ts")}, QDir::Files, QDir::Name);
        *ok = !files.isEmpty();
        for (const QString &name : files) {
            messages += readMessages(dir.filePath(name), ok);
            if (!*ok)
                return {};
        }
        return messages;
    }

    // The messages that lupdate finds in the given sources.
    static QList<Message> scan(const QStringList &sources, const QString &output, bool *ok)
    {
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{"-silent", "-locations", "none", "-no-obsolete", "-extensions", "h,cpp"};
        arguments << sources << "-ts" << output;
        lupdate.start(QStringLiteral(QORV_LUPDATE), arguments);
        *ok =
            lupdate.waitForFinished(240000) && lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0;
        if (!*ok)
            return {};
        return readMessages(output, ok);
    }

    static QStringList missing(const QList<Message> &used, const QList<Message> &translated)
    {
        const QSet<Message> known(translated.cbegin(), translated.cend());
        QStringList absent;
        for (const Message &message : used) {
            if (!known.contains(message))
                absent.append(message.first + QStringLiteral("::") + message.second);
        }
        return absent;
    }

private slots:
    void translationSourcesHaveEachKeyOnce()
    {
        bool ok = false;
        const QList<Message> messages = readAllTranslations(&ok);
        QVERIFY(ok);
        QVERIFY(messages.size() > 200);
        const QSet<Message> unique(messages.cbegin(), messages.cend());
        QCOMPARE(unique.size(), messages.size());
    }

    void everyKeyUsedInTheCodeIsTranslated()
    {
        QTemporaryDir dir;
        bool ok = false;
        const QList<Message> used =
            scan({QStringLiteral(QORV_SOURCE_ROOT "/library"), QStringLiteral(QORV_SOURCE_ROOT "/product")},
                 dir.filePath(QStringLiteral("scan.ts")), &ok);
        QVERIFY2(ok, "lupdate failed");
        QVERIFY(!used.isEmpty());
        const QList<Message> translated = readAllTranslations(&ok);
        QVERIFY(ok);
        const QStringList absent = missing(used, translated);
        QVERIFY2(absent.isEmpty(), qPrintable(QStringLiteral("not in the translation file: ") + absent.join(", ")));
    }

    void aMissingKeyIsFound()
    {
        QTemporaryDir dir;
        QFile source(dir.filePath(QStringLiteral("sample.cpp")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("#include \"linguist.h\"\n"
                     "QString Sample() { return Linguist::tr(\"AboutQORV\") + Linguist::tr(\"NoSuchKeyAnywhere\")\n"
                     "    + QObject::tr(\"CannotParseReply.\"); }\n");
        source.close();
        bool ok = false;
        const QList<Message> used = scan({source.fileName()}, dir.filePath(QStringLiteral("scan.ts")), &ok);
        QVERIFY(ok);
        const QList<Message> translated = readAllTranslations(&ok);
        QVERIFY(ok);
        QCOMPARE(missing(used, translated), QStringList({"Linguist::NoSuchKeyAnywhere"}));
    }
};

QTEST_GUILESS_MAIN(TestTranslationKeys)
#include "tst_translationkeys.moc"
