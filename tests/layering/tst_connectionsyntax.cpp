#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Every signal is connected through member-function pointers (or a lambda),
// which the compiler checks; nothing is connected by a signature string, which
// only fails at run time.
namespace
{
const QStringList SourceFolders = {QStringLiteral("library"), QStringLiteral("product"), QStringLiteral("tests"),
                                   QStringLiteral("bench"), QStringLiteral("fuzz")};

// "path:line: text" of every line that names a signal or slot by its signature.
QStringList ConnectionsByName(const QString &root)
{
    static const QRegularExpression byName(QStringLiteral("\\b(SIGNAL|SLOT)\\s*\\("));
    QStringList findings;
    for (const QString &folder : SourceFolders) {
        QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            int number = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine()).trimmed();
                ++number;
                if (line.contains(byName))
                    findings
                        << QStringLiteral("%1:%2: %3").arg(QDir(root).relativeFilePath(path)).arg(number).arg(line);
            }
        }
    }
    findings.sort();
    return findings;
}

bool Write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
           && file.write(content) == content.size();
}
}

class TestConnectionSyntax : public QObject
{
    Q_OBJECT

private slots:
    void finderSeesConnectionsByName()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QByteArray byName = QByteArrayLiteral("connect(a, SIG") + "NAL(clicked()), b, SL" + "OT(close()));\n";
        QVERIFY(Write(root.filePath(QStringLiteral("library/gui/a.cpp")), "int a;\n" + byName));
        QVERIFY(Write(root.filePath(QStringLiteral("tests/t/b.h")), "connect(a, &A::clicked, b, &B::close);\n"));
        QVERIFY(Write(root.filePath(QStringLiteral("build/c.cpp")), byName));
        QCOMPARE(ConnectionsByName(root.path()),
                 QStringList{"library/gui/a.cpp:2: " + QString::fromUtf8(byName).trimmed()});
    }

    void everyConnectionUsesMemberPointers()
    {
        const QStringList findings = ConnectionsByName(QStringLiteral(QORV_SOURCE_ROOT));
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestConnectionSyntax)
#include "tst_connectionsyntax.moc"
