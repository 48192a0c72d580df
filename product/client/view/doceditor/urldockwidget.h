#ifndef URLDOCKWIDGET_H
#define URLDOCKWIDGET_H

#include <QDockWidget>

class QLabel;
class QListWidgetItem;
class QToolButton;
class Url;
class UrlListWidget;

// The dock that lists a document's web addresses and collects new ones, typed
// or dropped. It sends nothing itself: its signals tell the owning window
// what to load, store, re-describe or remove.
class UrlDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    enum Buttons
    {
        AllButtons = 0,
        LoadButton = 1,
        AddButton = 2,
        EditButton = 3,
        RemoveButton = 4,
        CloseButton = 5
    };

    explicit UrlDockWidget(QWidget *parent = nullptr);

    void setReadOnly(bool readOnly);
    void setButtonEnabled(Buttons button, bool enabled);
    void setButtonVisible(Buttons button, bool visible);

    UrlListWidget *getListWidget() const;

signals:
    void loadUrl(Url url);
    void addUrl(Url url);
    void editUrl(Url url);
    void newUrl(Url url);
    void removeUrl(QListWidgetItem *item);

public slots:
    void loadUrl();
    void addUrl();
    void editUrl();
    void removeUrl();
    void urlClicked(QListWidgetItem *item);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QList<QToolButton *> buttons(Buttons button, const char *warning) const;

    UrlListWidget *m_listWidget;
    QLabel *m_descriptionLabel;
    QToolButton *m_loadButton;
    QToolButton *m_addButton;
    QToolButton *m_editButton;
    QToolButton *m_removeButton;
    QToolButton *m_closeButton;
};

#endif // URLDOCKWIDGET_H
