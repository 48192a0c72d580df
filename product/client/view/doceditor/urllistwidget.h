#ifndef URLLISTWIDGET_H
#define URLLISTWIDGET_H

#include <QListWidget>
#include <QSet>
#include <QString>

class Url;

// The web addresses of one document, sorted by their text, each once; an
// item's status tip holds the address's description.
class UrlListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit UrlListWidget(QWidget *parent = nullptr);
    ~UrlListWidget() override;

    // The dock feeds the list through its own addUrl signal.
    friend class UrlDockWidget;

private slots:
    void addUrl(const Url &url);

private:
    // Named apart from the view's own handler of the same signal, which must
    // still run.
    void forgetRows(const QModelIndex &parent, int first, int last);

    // The texts listed, so that an address is checked against the list
    // without a search of every row; it follows every removal.
    QSet<QString> m_texts;
};

#endif // URLLISTWIDGET_H
