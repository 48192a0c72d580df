#ifndef URLLISTWIDGET_H
#define URLLISTWIDGET_H

#include <QListWidget>

class Url;

// The web addresses of one document, sorted by their text, each once; an
// item's status tip holds the address's description.
class UrlListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit UrlListWidget(QWidget *parent = nullptr);

    // The dock feeds the list through its own addUrl signal.
    friend class UrlDockWidget;

private slots:
    void addUrl(const Url &url);
};

#endif // URLLISTWIDGET_H
