#include "urldockwidget.h"

#include "addurldialog.h"
#include "url.h"
#include "urllistwidget.h"
#include "utils.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
constexpr int DescriptionMaxLength = 255;
constexpr int InputDialogExtraWidth = 200;

QToolButton *Button(const char *iconName, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setIcon(utils::ActionIcon(iconName));
    return button;
}

// A drag is taken only as a whole: one insecure address refuses all of them.
bool AllSecure(const QMimeData *mimeData)
{
    for (const QUrl &url : mimeData->urls())
        if (!Url(url).isSecure())
            return false;
    return true;
}

void AcceptSecureDrag(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls())
        return;
    if (!AllSecure(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
}

UrlDockWidget::UrlDockWidget(QWidget *parent)
    : QDockWidget(parent)
    , m_listWidget(new UrlListWidget(this))
    , m_descriptionLabel(new QLabel(QStringLiteral(" "), this))
    , m_loadButton(Button("compass.png", this))
    , m_addButton(Button("document_attachment_add.png", this))
    , m_editButton(Button("document_attachment_edit.png", this))
    , m_removeButton(Button("document_attachment_delete.png", this))
    , m_closeButton(Button("close.png", this))
{
    m_descriptionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *widget = new QWidget(this);
    auto *leftLayout = new QVBoxLayout;
    leftLayout->addWidget(m_listWidget);
    leftLayout->addWidget(m_descriptionLabel);
    auto *rightLayout = new QVBoxLayout;
    rightLayout->addStretch();
    for (QToolButton *button : {m_loadButton, m_addButton, m_editButton, m_removeButton, m_closeButton})
        rightLayout->addWidget(button);
    auto *layout = new QHBoxLayout(widget);
    layout->addLayout(leftLayout);
    layout->addLayout(rightLayout);
    setWidget(widget);

    connect(this, qOverload<Url>(&UrlDockWidget::addUrl), m_listWidget, &UrlListWidget::addUrl);
    connect(m_listWidget, &QListWidget::itemClicked, this, &UrlDockWidget::urlClicked);
    connect(m_loadButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::loadUrl));
    connect(m_addButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::addUrl));
    connect(m_editButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::editUrl));
    connect(m_removeButton, &QToolButton::clicked, this, qOverload<>(&UrlDockWidget::removeUrl));
    connect(m_closeButton, &QToolButton::clicked, this, &QDockWidget::close);
    setAcceptDrops(true);
}

UrlListWidget *UrlDockWidget::getListWidget() const
{
    return m_listWidget;
}

void UrlDockWidget::setReadOnly(bool readOnly)
{
    m_loadButton->setEnabled(true);
    for (QToolButton *button : {m_addButton, m_editButton, m_removeButton, m_closeButton})
        button->setEnabled(!readOnly);
}

QList<QToolButton *> UrlDockWidget::buttons(Buttons button, const char *warning) const
{
    switch (button) {
    case AllButtons:
        return {m_loadButton, m_addButton, m_editButton, m_removeButton, m_closeButton};
    case LoadButton:
        return {m_loadButton};
    case AddButton:
        return {m_addButton};
    case EditButton:
        return {m_editButton};
    case RemoveButton:
        return {m_removeButton};
    case CloseButton:
        return {m_closeButton};
    }
    qWarning("%s", warning);
    return {};
}

void UrlDockWidget::setButtonEnabled(Buttons button, bool enabled)
{
    for (QToolButton *toolButton : buttons(button, "UrlDockWidget::setButtonEnabled: bad button"))
        toolButton->setEnabled(enabled);
}

void UrlDockWidget::setButtonVisible(Buttons button, bool visible)
{
    for (QToolButton *toolButton : buttons(button, "UrlDockWidget::setButtonVisible: bad button"))
        toolButton->setVisible(visible);
}

void UrlDockWidget::loadUrl()
{
    for (const QListWidgetItem *item : m_listWidget->selectedItems())
        emit loadUrl(Url(item->data(Qt::DisplayRole).toString()));
}

void UrlDockWidget::addUrl()
{
    AddUrlDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    Url url(dialog.getUrl());
    if (!url.isSecure())
        return;
    url.setDescription(dialog.getUrlDescription());
    emit newUrl(url);
    emit addUrl(url);
}

void UrlDockWidget::editUrl()
{
    for (QListWidgetItem *item : m_listWidget->selectedItems()) {
        const QVariant description = item->data(Qt::StatusTipRole);
        Url url(item->text());
        url.setDescription(description.isValid() ? description.toString() : QString());

        QInputDialog dialog;
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setLabelText(tr("UrlDescription"));
        dialog.setTextValue(url.getDescription());
        const QString title = QStringLiteral("%1 [%2]").arg(tr("EditUrlDescription"), url.toString());
        dialog.setWindowTitle(title);
        dialog.resize(QFontMetrics(dialog.font()).horizontalAdvance(title) + InputDialogExtraWidth, dialog.height());
        if (dialog.exec() != QDialog::Accepted)
            continue;
        const QString text = dialog.textValue();
        if (text.isEmpty() || text.size() > DescriptionMaxLength)
            continue;
        Url edited(item->text());
        edited.setDescription(text);
        item->setData(Qt::StatusTipRole, text);
        m_descriptionLabel->setText(text);
        emit editUrl(edited);
    }
}

void UrlDockWidget::removeUrl()
{
    for (QListWidgetItem *item : m_listWidget->selectedItems())
        emit removeUrl(item);
}

void UrlDockWidget::urlClicked(QListWidgetItem *item)
{
    const QVariant description = item->data(Qt::StatusTipRole);
    if (description.isValid())
        m_descriptionLabel->setText(description.toString());
}

void UrlDockWidget::dragEnterEvent(QDragEnterEvent *event)
{
    AcceptSecureDrag(event);
}

void UrlDockWidget::dragMoveEvent(QDragMoveEvent *event)
{
    AcceptSecureDrag(event);
}

void UrlDockWidget::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasUrls())
        return;
    for (const QUrl &address : event->mimeData()->urls()) {
        const Url url(address);
        if (!url.isSecure())
            continue;
        emit newUrl(url);
        emit addUrl(url);
    }
}
