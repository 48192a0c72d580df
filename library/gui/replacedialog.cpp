#include "replacedialog.h"

#include "utils.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

ReplaceDialog::ReplaceDialog(QTextEdit &editor, QWidget *parent)
    : SearchDialog(editor, parent)
    , m_replaceLabel(new QLabel(tr("ReplaceWith"), this))
    , m_replacePushButton(new QPushButton(tr("Replace"), this))
    , m_replaceAllPushButton(new QPushButton(tr("ReplaceAll"), this))
    , m_replaceLineEdit(new QLineEdit(this))
{
    m_replaceLabel->setBuddy(m_replaceLineEdit);
    initializeLayout();
    connectSignals();
    connect(m_replacePushButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_replaceAllPushButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
}

void ReplaceDialog::replace()
{
    if (m_findLineEdit->text().isEmpty())
        return;
    // Whatever is selected is replaced, found or chosen by hand; the next
    // occurrence is left for Find.
    QTextCursor cursor = m_editor.textCursor();
    if (cursor.hasSelection())
        cursor.insertText(m_replaceLineEdit->text());
}

void ReplaceDialog::replaceAll()
{
    const QString text = m_findLineEdit->text();
    if (text.isEmpty())
        return;
    m_editor.moveCursor(QTextCursor::Start);
    const QString replacement = m_replaceLineEdit->text();
    const QTextDocument::FindFlags flags = getFindFlags();
    // Each search starts after the text just inserted, so a replacement that
    // contains the text searched for cannot be found again.
    for (QTextCursor cursor = m_editor.document()->find(text, m_editor.textCursor(), flags); !cursor.isNull();
         cursor = m_editor.document()->find(text, cursor, flags)) {
        m_editor.setTextCursor(cursor);
        m_editor.ensureCursorVisible();
        cursor.insertText(replacement);
    }
}

void ReplaceDialog::initializeLayout()
{
    setWindowTitle(tr("ReplaceDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("find_replace.png"));
    auto *rows = new QVBoxLayout;
    rows->addLayout(createFindRow());
    rows->addWidget(createLine());
    rows->addLayout(createTextRow(m_replaceLabel, m_replaceLineEdit, m_replacePushButton, m_replaceAllPushButton));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createSearchFrame(rows));
    addOptionRows(layout);
}
