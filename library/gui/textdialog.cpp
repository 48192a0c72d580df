#include "textdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

TextDialog::TextDialog(QWidget *parent, const QString &title, const QString &label, const QString &text)
    : QDialog(parent)
    , m_label(new QLabel(label, this))
    , m_textEdit(new QTextEdit(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok, this))
{
    // The text is shown as typed: markup in a licence must not be rendered.
    m_textEdit->setReadOnly(true);
    m_textEdit->setAlignment(Qt::AlignLeft);
    m_textEdit->setPlainText(text);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    setMinimumSize(640, 480);
    setWindowTitle(title);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_textEdit);
    layout->addWidget(m_buttonBox);
}
