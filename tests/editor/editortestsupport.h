#ifndef EDITORTESTSUPPORT_H
#define EDITORTESTSUPPORT_H

#include "abstracttexteditorview.h"
#include "filechooser.h"
#include "printdialogrunner.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

class AbstractTextReader;
class AbstractTextEditor;
class TextEditor;

namespace editortest
{
// Installs the program's English translation; false when it does not load.
bool InstallTranslation();

// True when the file exists and starts like a PDF document.
bool IsPdfFile(const QString &fileName);

// Answers the file questions of the code under test, in order, while it lives;
// a question beyond the queued answers is answered as cancelled. The questions
// are kept for the test to look at.
class FileAnswers
{
public:
    explicit FileAnswers(const QStringList &answers);
    ~FileAnswers();
    FileAnswers(const FileAnswers &) = delete;
    FileAnswers &operator=(const FileAnswers &) = delete;

    const QList<utils::FileQuestion> &questions() const { return m_questions; }

private:
    QStringList m_answers;
    QList<utils::FileQuestion> m_questions;
    utils::FileAnswerer m_previous;
};

// Answers the print dialog while it lives: accepted, it sends the output to a
// PDF file (only the selection when asked to), as a user choosing to print to
// a file would; rejected, nothing is printed.
class PrintAnswers
{
public:
    enum Answer
    {
        PrintAll,
        PrintSelection,
        Cancel
    };

    PrintAnswers(Answer answer, const QString &pdfFileName);
    ~PrintAnswers();
    PrintAnswers(const PrintAnswers &) = delete;
    PrintAnswers &operator=(const PrintAnswers &) = delete;

    int runs() const { return m_runs; }
    bool selectionOffered() const { return m_selectionOffered; }
    QString title() const { return m_title; }

private:
    int m_runs = 0;
    bool m_selectionOffered = false;
    QString m_title;
    utils::PrintDialogRunner m_previous;
};

// Every counted size a reader or editor announces, as "<signal> <count>".
class SizeLog
{
public:
    explicit SizeLog(AbstractTextReader *reader);
    explicit SizeLog(AbstractTextEditor *editor);

    QStringList entries;
};

// An editor window as the document and message windows make one: the editor is
// the central widget and Cut, Copy and Paste run its counted operations.
class EditorWindow : public AbstractTextEditorView
{
    Q_OBJECT

public:
    EditorWindow();

    TextEditor *editor() const { return m_editor; }

private:
    TextEditor *m_editor;
};
}

#endif // EDITORTESTSUPPORT_H
