#include "searchdialog.h"

#include "linguist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace
{
// Where the caret stands, without whatever the editor had selected, so that the
// first Find starts at the caret.
QTextCursor CaretCursor(const QTextEdit &editor)
{
    return editor.cursorForPosition(editor.cursorRect().center());
}

QFrame *SunkenLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QGroupBox *OptionGroup(QWidget *first, QWidget *second, QWidget *parent)
{
    auto *group = new QGroupBox(parent);
    group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid lightGray; }"));
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}
}

SearchDialog::SearchDialog(QTextEdit &editor, QWidget *parent)
    : QDialog(parent)
    , m_findLabel(new QLabel(tr("FindWhat"), this))
    , m_editor(editor)
    , m_savedCursor(editor.textCursor())
    , m_searchCursor(CaretCursor(editor))
    , m_findLineEdit(new QLineEdit(this))
    , m_searchForwardRadioButton(new QRadioButton(tr("SearchForward"), this))
    , m_searchBackwardRadioButton(new QRadioButton(tr("SearchBackward"), this))
    , m_caseSensitiveRadioButton(new QRadioButton(tr("CaseSensitive"), this))
    , m_caseInsensitiveRadioButton(new QRadioButton(tr("CaseInsensitive"), this))
    , m_wholeWordsCheckBox(new QCheckBox(tr("MatchOnlyCompleteWords"), this))
    , m_findPushButton(new QPushButton(Linguist::tr("Find"), this))
    , m_findAllPushButton(new QPushButton(Linguist::tr("FindAll"), this))
    , m_closePushButton(new QPushButton(Linguist::tr("Close"), this))
{
    m_findLabel->setBuddy(m_findLineEdit);
    // Each pair is exclusive on its own, before and after the layout puts the
    // pairs into their group boxes.
    auto *direction = new QButtonGroup(this);
    direction->addButton(m_searchForwardRadioButton);
    direction->addButton(m_searchBackwardRadioButton);
    auto *letterCase = new QButtonGroup(this);
    letterCase->addButton(m_caseSensitiveRadioButton);
    letterCase->addButton(m_caseInsensitiveRadioButton);
    m_searchForwardRadioButton->setChecked(true);
    m_caseInsensitiveRadioButton->setChecked(true);
    m_findPushButton->setEnabled(false);
    setMinimumWidth(320);
}

SearchDialog::~SearchDialog()
{
    m_editor.setExtraSelections({});
    m_editor.setTextCursor(m_savedCursor);
}

QTextDocument::FindFlags SearchDialog::getFindFlags() const
{
    QTextDocument::FindFlags flags;
    if (m_searchBackwardRadioButton->isChecked())
        flags |= QTextDocument::FindBackward;
    if (m_caseSensitiveRadioButton->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (m_wholeWordsCheckBox->isChecked())
        flags |= QTextDocument::FindWholeWords;
    return flags;
}

void SearchDialog::textChanged(const QString &text)
{
    const bool searchable = !text.isEmpty();
    m_searchForwardRadioButton->setEnabled(searchable);
    m_searchBackwardRadioButton->setEnabled(searchable);
    m_findPushButton->setEnabled(searchable);
}

void SearchDialog::find()
{
    const QString text = m_findLineEdit->text();
    if (text.isEmpty())
        return;
    const QTextCursor found = m_editor.document()->find(text, m_searchCursor, getFindFlags());
    if (found.isNull())
        return;
    m_searchCursor = found;
    m_editor.setTextCursor(found);
    m_editor.ensureCursorVisible();
}

void SearchDialog::findAll()
{
    const QString text = m_findLineEdit->text();
    if (text.isEmpty())
        return;
    m_editor.moveCursor(QTextCursor::Start);
    QTextCursor cursor = m_editor.textCursor();
    QList<QTextEdit::ExtraSelection> highlights;
    QTextCharFormat highlight;
    highlight.setBackground(QBrush(Qt::lightGray, Qt::SolidPattern));
    const QTextDocument::FindFlags flags = getFindFlags();
    for (cursor = m_editor.document()->find(text, cursor, flags); !cursor.isNull();
         cursor = m_editor.document()->find(text, cursor, flags)) {
        m_editor.setTextCursor(cursor);
        m_editor.ensureCursorVisible();
        highlights.append({cursor, highlight});
    }
    m_editor.setExtraSelections(highlights);
}

void SearchDialog::connectSignals()
{
    connect(m_findLineEdit, &QLineEdit::textChanged, this, &SearchDialog::textChanged);
    connect(m_findPushButton, &QPushButton::clicked, this, &SearchDialog::find);
    connect(m_findAllPushButton, &QPushButton::clicked, this, &SearchDialog::findAll);
    connect(m_closePushButton, &QPushButton::clicked, this, &SearchDialog::close);
}

void SearchDialog::addOptionRows(QVBoxLayout *layout)
{
    layout->addWidget(OptionGroup(m_searchForwardRadioButton, m_searchBackwardRadioButton, this));
    layout->addWidget(OptionGroup(m_caseInsensitiveRadioButton, m_caseSensitiveRadioButton, this));
    layout->addWidget(m_wholeWordsCheckBox);
    layout->addWidget(SunkenLine(this));
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(m_closePushButton);
    closeRow->addStretch();
    layout->addLayout(closeRow);
}

QLayout *SearchDialog::createFindRow()
{
    return createTextRow(m_findLabel, m_findLineEdit, m_findPushButton, m_findAllPushButton);
}

QLayout *SearchDialog::createTextRow(QLabel *label, QLineEdit *text, QPushButton *upper, QPushButton *lower)
{
    auto *texts = new QVBoxLayout;
    texts->addWidget(label);
    texts->addWidget(text);
    texts->addStretch();
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(upper);
    buttons->addWidget(lower);
    auto *row = new QHBoxLayout;
    row->addLayout(texts);
    row->addLayout(buttons);
    return row;
}

QFrame *SearchDialog::createSearchFrame(QLayout *content)
{
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setLayout(content);
    return frame;
}

QFrame *SearchDialog::createLine()
{
    return SunkenLine(this);
}
