#include "addurldialog.h"

#include "linguist.h"
#include "url.h"
#include "utils.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
constexpr int UrlMaxLength = 2000;
constexpr int DescriptionMaxLength = 256;
constexpr int MinimumWidth = 480;
constexpr int SeparatorMinimumHeight = 10;
}

AddUrlDialog::AddUrlDialog(QWidget *parent)
    : QDialog(parent)
    , m_urlLineEdit(new QLineEdit(QStringLiteral("https://"), this))
    , m_descriptionLineEdit(new QLineEdit(this))
    , m_okButton(new QPushButton(Linguist::tr("Ok"), this))
{
    auto *urlLabel = new QLabel(tr("Url:"), this);
    urlLabel->setBuddy(m_urlLineEdit);
    auto *descriptionLabel = new QLabel(tr("UrlDescription:"), this);
    descriptionLabel->setBuddy(m_descriptionLineEdit);
    m_urlLineEdit->setMaxLength(UrlMaxLength);
    m_descriptionLineEdit->setMaxLength(DescriptionMaxLength);
    m_okButton->setEnabled(false);
    auto *cancelButton = new QPushButton(Linguist::tr("Cancel"), this);

    setWindowTitle(tr("AddUrlDialogWindowTitle"));
    setWindowIcon(utils::ActionIcon("compass.png"));
    setMinimumWidth(MinimumWidth);

    auto *gridLayout = new QGridLayout;
    gridLayout->addWidget(urlLabel, 0, 0);
    gridLayout->addWidget(m_urlLineEdit, 0, 1);
    gridLayout->addWidget(descriptionLabel, 1, 0);
    gridLayout->addWidget(m_descriptionLineEdit, 1, 1);
    auto *line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setMinimumHeight(SeparatorMinimumHeight);
    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(m_okButton);
    buttonLayout->addStretch();
    buttonLayout->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(gridLayout);
    layout->addWidget(line);
    layout->addLayout(buttonLayout);

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // textEdited, not textChanged: the proposed "https://" alone is no address.
    connect(m_urlLineEdit, &QLineEdit::textEdited, this, &AddUrlDialog::urlEdited);
}

QString AddUrlDialog::getUrl() const
{
    return m_urlLineEdit->text();
}

QString AddUrlDialog::getUrlDescription() const
{
    return m_descriptionLineEdit->text();
}

void AddUrlDialog::urlEdited(const QString &text)
{
    m_okButton->setEnabled(Url(text).isSecure());
}
