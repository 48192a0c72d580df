#include "dialoganswerer.h"
#include "editortestsupport.h"
#include "richtextsample.h"
#include "testenvironment.h"
#include "textdocument.h"
#include "textreader.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString TwoParagraphs = QStringLiteral("abc\ndefg");
const QString OutsideBmp = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600");

void Select(QTextEdit &edit, int start, int end)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

QByteArray Contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
}

// The reader's ways of letting content out, each announced with its size in
// UTF-16 code units, and only when something went out.
class TestTextReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(editortest::InstallTranslation());
    }

    void textDocumentStartsInTheBodyFont()
    {
        TextDocument document;
        QCOMPARE(document.defaultFont().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(document.defaultFont().pointSize(), 10);
        QCOMPARE(document.defaultFont().weight(), QFont::Normal);
        QVERIFY(!document.defaultFont().italic());

        // Made before the application, the font must still measure like one
        // made now.
        QTextDocument plain;
        plain.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        for (QTextDocument *each : {static_cast<QTextDocument *>(&document), &plain})
            each->setPlainText(QStringLiteral("The quick brown fox jumps over the lazy dog"));
        QCOMPARE(document.idealWidth(), plain.idealWidth());
        QCOMPARE(document.size(), plain.size());
    }

    void sizes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectionEnd"); // selection from 0; -1 none
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("fileName"); // the answer to the file or print question
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QByteArray>("written"); // "%PDF" for a PDF file

        const QByteArray pdf("%PDF");
        QTest::newRow("copy two paragraphs") << TwoParagraphs << 8 << "copy"
                                             << "" << QStringList{"copy 8"} << QByteArray();
        QTest::newRow("copy part of a paragraph") << TwoParagraphs << 2 << "copy"
                                                  << "" << QStringList{"copy 2"} << QByteArray();
        QTest::newRow("copy outside the BMP") << OutsideBmp << 3 << "copy"
                                              << "" << QStringList{"copy 3"} << QByteArray();
        QTest::newRow("copy without selection") << TwoParagraphs << -1 << "copy"
                                                << "" << QStringList() << QByteArray();
        QTest::newRow("copy empty document") << "" << -1 << "copy"
                                             << "" << QStringList() << QByteArray();
        QTest::newRow("text two paragraphs") << TwoParagraphs << -1 << "text"
                                             << "a.txt" << QStringList{"text 8"} << TwoParagraphs.toUtf8();
        QTest::newRow("text outside the BMP") << OutsideBmp << -1 << "text"
                                              << "b.txt" << QStringList{"text 3"} << OutsideBmp.toUtf8();
        QTest::newRow("text empty document") << "" << -1 << "text"
                                             << "c.txt" << QStringList{"text 0"} << QByteArray("");
        QTest::newRow("text whole document despite selection")
            << TwoParagraphs << 2 << "text"
            << "d.txt" << QStringList{"text 8"} << TwoParagraphs.toUtf8();
        QTest::newRow("text name without suffix") << TwoParagraphs << -1 << "text"
                                                  << "notes" << QStringList{"text 8"} << TwoParagraphs.toUtf8();
        QTest::newRow("text unknown suffix") << TwoParagraphs << -1 << "text"
                                             << "notes.xyz" << QStringList{"text 8"} << TwoParagraphs.toUtf8();
        QTest::newRow("text cancelled") << TwoParagraphs << -1 << "text"
                                        << "" << QStringList() << QByteArray();
        QTest::newRow("pdf two paragraphs") << TwoParagraphs << -1 << "pdf"
                                            << "e.pdf" << QStringList{"pdf 8"} << pdf;
        QTest::newRow("pdf outside the BMP") << OutsideBmp << -1 << "pdf"
                                             << "f.pdf" << QStringList{"pdf 3"} << pdf;
        QTest::newRow("pdf empty document") << "" << -1 << "pdf"
                                            << "g.pdf" << QStringList{"pdf 0"} << pdf;
        QTest::newRow("pdf under a text name") << TwoParagraphs << -1 << "pdf"
                                               << "h.txt" << QStringList{"pdf 8"} << pdf;
        QTest::newRow("pdf name without suffix") << TwoParagraphs << -1 << "pdf"
                                                 << "report" << QStringList{"pdf 8"} << pdf;
        QTest::newRow("pdf cancelled") << TwoParagraphs << -1 << "pdf"
                                       << "" << QStringList() << QByteArray();
        QTest::newRow("print") << TwoParagraphs << -1 << "print"
                               << "i.pdf" << QStringList{"print 8"} << pdf;
        QTest::newRow("print selection counts the whole document")
            << QString(100, QLatin1Char('x')) << 10 << "print selection"
            << "j.pdf" << QStringList{"print 100"} << pdf;
        QTest::newRow("print cancelled") << TwoParagraphs << -1 << "print cancel"
                                         << "k.pdf" << QStringList() << QByteArray();
    }

    void sizes()
    {
        QFETCH(QString, text);
        QFETCH(int, selectionEnd);
        QFETCH(QString, operation);
        QFETCH(QString, fileName);
        QFETCH(QStringList, announced);
        QFETCH(QByteArray, written);

        TextReader reader;
        reader.setDocument(new TextDocument(&reader));
        reader.setPlainText(text);
        reader.setReadOnly(true);
        if (selectionEnd >= 0)
            Select(reader, 0, selectionEnd);
        editortest::SizeLog log(&reader);
        const QString path = fileName.isEmpty() ? QString() : m_dir.filePath(fileName);
        if (!path.isEmpty())
            QFile::remove(path);

        if (operation == QLatin1String("copy")) {
            QApplication::clipboard()->setText(QStringLiteral("before"));
            reader.copyToClipboard();
            const QString expected = selectionEnd >= 0 ? text.left(selectionEnd) : QStringLiteral("before");
            QCOMPARE(QApplication::clipboard()->text(), expected);
        } else if (operation.startsWith(QLatin1String("print"))) {
            const auto answer = operation.endsWith(QLatin1String("selection"))
                                    ? editortest::PrintAnswers::PrintSelection
                                : operation.endsWith(QLatin1String("cancel")) ? editortest::PrintAnswers::Cancel
                                                                              : editortest::PrintAnswers::PrintAll;
            editortest::PrintAnswers printing(answer, path);
            reader.print(QStringLiteral("ignored"));
            QCOMPARE(printing.runs(), 1);
        } else {
            editortest::FileAnswers files({path});
            if (operation == QLatin1String("text"))
                reader.exportToTextFile(QStringLiteral("Minutes"));
            else
                reader.exportToPdfFile(QStringLiteral("Minutes"));
            QCOMPARE(files.questions().size(), 1);
            QCOMPARE(files.questions().at(0).kind, utils::FileQuestion::SaveFile);
            QCOMPARE(files.questions().at(0).path, QStringLiteral("Minutes"));
        }

        QCOMPARE(log.entries, announced);
        if (written == "%PDF")
            QVERIFY2(editortest::IsPdfFile(path), qPrintable(path));
        else if (!written.isNull())
            QCOMPARE(Contents(path), written);
        else if (!path.isEmpty())
            QVERIFY(!QFile::exists(path));
    }

    void exportQuestionsAsTheUserSeesThem()
    {
        TextReader reader;
        editortest::FileAnswers files({QString(), QString()});
        reader.exportToTextFile(QStringLiteral("Minutes"));
        reader.exportToPdfFile(QStringLiteral("Agenda"));
        QCOMPARE(files.questions().size(), 2);
        QCOMPARE(files.questions().at(0).caption, QStringLiteral("Export to Text File"));
        QCOMPARE(files.questions().at(0).filter, QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(files.questions().at(0).parent, &reader);
        QCOMPARE(files.questions().at(1).caption, QStringLiteral("Export to PDF File"));
        QCOMPARE(files.questions().at(1).filter, QStringLiteral("PDF Files (*.pdf)"));
        QCOMPARE(files.questions().at(1).path, QStringLiteral("Agenda"));
    }

    void otherTextSuffixesGiveTheirFormat()
    {
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        editortest::SizeLog log(&reader);
        const QString path = m_dir.filePath(QStringLiteral("page.html"));
        editortest::FileAnswers files({path});
        reader.exportToTextFile(QString());
        QVERIFY(Contents(path).contains("<html"));
        QCOMPARE(log.entries, QStringList{"text 8"});
    }

    void failedExportTellsTheUserAndAnnouncesNothing_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("text") << "text";
        QTest::newRow("pdf") << "pdf";
    }

    void failedExportTellsTheUserAndAnnouncesNothing()
    {
        QFETCH(QString, operation);
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        editortest::SizeLog log(&reader);
        const QString path = m_dir.filePath(QStringLiteral("no-such-folder/out.") + operation);
        editortest::FileAnswers files({path});
        testsupport::DialogAnswerer answerer;
        answerer.expect(QMessageBox::Ok);
        if (operation == QLatin1String("text"))
            reader.exportToTextFile(QString());
        else
            reader.exportToPdfFile(QString());
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Export Failed"));
        QVERIFY(answerer.seen().at(0).text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(log.entries.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void printOffersTheSelectionOnlyWhenThereIsOne()
    {
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        {
            editortest::PrintAnswers printing(editortest::PrintAnswers::Cancel, QString());
            reader.print(QString());
            QVERIFY(!printing.selectionOffered());
            QCOMPARE(printing.title(), QStringLiteral("Print Dialog"));
        }
        Select(reader, 0, 2);
        editortest::PrintAnswers printing(editortest::PrintAnswers::Cancel, QString());
        reader.print(QString());
        QVERIFY(printing.selectionOffered());
    }

    void printPreviewCountsOnlyWhenPrinted_data()
    {
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QStringList>("announced");
        QTest::newRow("printed from the preview") << true << QStringList{"print 8"};
        QTest::newRow("closed") << false << QStringList();
    }

    void printPreviewCountsOnlyWhenPrinted()
    {
        QFETCH(bool, printed);
        QFETCH(QStringList, announced);
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        editortest::SizeLog log(&reader);
        testsupport::DialogAnswerer answerer;
        bool preview = false;
        answerer.expect([&](QWidget *dialog) {
            preview = qobject_cast<QPrintPreviewDialog *>(dialog) != nullptr;
            if (printed)
                qobject_cast<QDialog *>(dialog)->accept();
            else
                qobject_cast<QDialog *>(dialog)->reject();
        });
        reader.printPreview(QStringLiteral("ignored"));
        QVERIFY(answerer.waitForAll());
        QVERIFY(preview);
        QCOMPARE(log.entries, announced);
    }

    void copyKeyTakesTheCountedWay()
    {
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        reader.setReadOnly(true);
        Select(reader, 0, 3);
        editortest::SizeLog log(&reader);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(&reader, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(log.entries, QStringList{"copy 3"});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("abc"));
    }

    void uncountedWaysHandOutNoText()
    {
        // The text edit's own copy (its standard menu uses it, and it fills the
        // selection buffer the same way) gives the clipboard nothing.
        TextReader reader;
        reader.setPlainText(TwoParagraphs);
        Select(reader, 0, 3);
        editortest::SizeLog log(&reader);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        reader.QTextEdit::copy();
        QVERIFY(QApplication::clipboard()->text().isEmpty());
        QVERIFY(log.entries.isEmpty());
    }

    void rightClickLeavesTheMenuToTheOwner()
    {
        TextReader reader;
        reader.resize(200, 100);
        QSignalSpy requested(&reader, &QWidget::customContextMenuRequested);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 6), reader.viewport()->mapToGlobal(QPoint(5, 6)));
        QApplication::sendEvent(reader.viewport(), &event);
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested.at(0).at(0).toPoint(), QPoint(5, 6));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void findOpensTheFindDialogOverTheReader()
    {
        TextReader reader;
        testsupport::DialogAnswerer answerer;
        QWidget *parent = nullptr;
        answerer.expect([&](QWidget *dialog) {
            parent = dialog->parentWidget();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        reader.findText();
        QVERIFY(answerer.waitForAll());
        QCOMPARE(answerer.seen().at(0).className, QStringLiteral("FindDialog"));
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Find Text"));
        QCOMPARE(parent, &reader);
    }

    void focusIsTakenByClickAndAnnounced()
    {
        TextReader reader;
        QCOMPARE(reader.focusPolicy(), Qt::ClickFocus);
        QList<QFocusEvent *> focused;
        connect(&reader, &AbstractTextReader::focusIn, this, [&](QFocusEvent *event) { focused.append(event); });
        QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&reader, &event);
        QCOMPARE(focused, QList<QFocusEvent *>{&event});
    }

    void picturesAreFoundThroughTheSearchPath()
    {
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_dir.filePath(QStringLiteral("map.png"))));
        QDir::setSearchPaths(QStringLiteral("pictures"), {m_dir.path()});

        TextReader reader;
        reader.resize(300, 200);
        reader.setDocument(new TextDocument(&reader));
        reader.setHtml(QStringLiteral("<p><img src=\"pictures:map.png\" width=\"7\" height=\"5\"></p>"));
        const QImage shown = reader.grab().toImage();
        QVERIFY(!shown.isNull());
        const QVariant loaded =
            reader.document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("pictures:map.png")));
        QCOMPARE(loaded.value<QImage>().size(), QSize(7, 5));
        QDir::setSearchPaths(QStringLiteral("pictures"), {});
    }

    void aMebibyteBodyLoadsAndLaysOut()
    {
        const QString html = richtextsample::MakeRichText(1 << 20);
        QVERIFY(html.toUtf8().size() >= (1 << 20));
        TextReader reader;
        reader.resize(800, 600);
        const qreal height = richtextsample::LoadAndLayOut(reader, html);
        QVERIFY(height > 100000);
        QVERIFY(reader.toPlainText().contains(QStringLiteral("Section 0")));
    }
};

QTEST_MAIN(TestTextReader)
#include "tst_textreader.moc"
