#include "editortestsupport.h"

#include "abstracttexteditor.h"
#include "abstracttextreader.h"
#include "documenteditor.h"
#include "textdocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace editortest
{
bool InstallTranslation()
{
    static QTranslator translator;
    if (!translator.load(QStringLiteral(":build/client_en.qm")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

bool IsPdfFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

FileAnswers::FileAnswers(const QStringList &answers)
    : m_answers(answers)
{
    m_previous = utils::SetFileAnswerer([this](const utils::FileQuestion &question) {
        m_questions.append(question);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    });
}

FileAnswers::~FileAnswers()
{
    utils::SetFileAnswerer(m_previous);
}

PrintAnswers::PrintAnswers(Answer answer, const QString &pdfFileName)
{
    m_previous = utils::SetPrintDialogRunner(
        [this, answer, pdfFileName](QPrinter &printer, QWidget *, const QString &title, bool selectionAvailable) {
            ++m_runs;
            m_title = title;
            m_selectionOffered = selectionAvailable;
            if (answer == Cancel)
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfFileName);
            printer.setPrintRange(answer == PrintSelection ? QPrinter::Selection : QPrinter::AllPages);
            return true;
        });
}

PrintAnswers::~PrintAnswers()
{
    utils::SetPrintDialogRunner(m_previous);
}

SizeLog::SizeLog(AbstractTextReader *reader)
{
    auto log = [this](const char *name) {
        return
            [this, name](uint count) { entries.append(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(count)); };
    };
    QObject::connect(reader, &AbstractTextReader::copyBytesToClipboard, log("copy"));
    QObject::connect(reader, &AbstractTextReader::exportBytesToTextFile, log("text"));
    QObject::connect(reader, &AbstractTextReader::exportBytesToPdfFile, log("pdf"));
    QObject::connect(reader, &AbstractTextReader::printBytes, log("print"));
}

SizeLog::SizeLog(AbstractTextEditor *editor)
    : SizeLog(static_cast<AbstractTextReader *>(editor))
{
    auto log = [this](const char *name) {
        return
            [this, name](uint count) { entries.append(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(count)); };
    };
    QObject::connect(editor, &AbstractTextEditor::cutBytesToClipboard, log("cut"));
    QObject::connect(editor, &AbstractTextEditor::pasteBytesFromClipboard, log("paste"));
}

EditorWindow::EditorWindow()
    : m_editor(new DocumentEditor(this))
{
    m_editor->setDocument(new TextDocument(m_editor));
    setCentralWidget(m_editor);
    connect(m_cutAction, &QAction::triggered, m_editor, &AbstractTextEditor::cutToClipboard);
    connect(m_copyAction, &QAction::triggered, m_editor, &AbstractTextReader::copyToClipboard);
    connect(m_pasteAction, &QAction::triggered, m_editor, &AbstractTextEditor::pasteFromClipboard);
    connect(m_undoAction, &QAction::triggered, m_editor, &QTextEdit::undo);
    connect(m_redoAction, &QAction::triggered, m_editor, &QTextEdit::redo);
}
}
