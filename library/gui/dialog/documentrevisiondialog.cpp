#include "documentrevisiondialog.h"

#include "linearwrap.h"
#include "linguist.h"
#include "utils.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFrame>
#include <QIcon>
#include <QTextEdit>
#include <QVBoxLayout>

DocumentRevisionDialog::DocumentRevisionDialog(const QString &documentName, const QString &revisionDateTime,
                                               const QString &html, QWidget *parent)
    : QDialog(parent)
    , m_documentName(documentName)
    , m_revisionDateTime(revisionDateTime)
    , m_html(html)
    , m_textEdit(new QTextEdit(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Close, this))
{
    const QDateTime revisionUtc =
        utils::GetDateTimeFromStringDateTime(m_revisionDateTime.toUtf8().toStdString(), Qt::UTC);
    if (revisionUtc.isValid()) {
        const QString revision = revisionUtc.toLocalTime().toString(Linguist::tr("QDateTimeFormat"));
        // Both place markers are filled in one pass, so a "%2" inside a document
        // name stays as typed.
        setWindowTitle(tr("WindowTitle").arg(m_documentName, revision));
    } else {
        qWarning("DocumentRevisionDialog::DocumentRevisionDialog: not documentRevisionDateTimeUTC.isValid()");
    }
    setWindowIcon(utils::ActionIcon("clock_forward.png"));
    setMinimumSize(800, 600);

    auto *separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Raised);
    separator->setMinimumHeight(10);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_textEdit);
    layout->addWidget(separator);
    layout->addWidget(m_buttonBox);

    // A revision that is one unbroken word still shows at once.
    SetHtmlInLinearTime(m_textEdit, m_html);
    m_textEdit->setReadOnly(true);
    m_textEdit->setTextInteractionFlags(Qt::NoTextInteraction);

    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QWidget::close);
}
