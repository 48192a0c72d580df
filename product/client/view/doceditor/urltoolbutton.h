#ifndef URLTOOLBUTTON_H
#define URLTOOLBUTTON_H

#include <QPoint>
#include <QToolButton>
#include <QUrl>

// A tool button that holds one web address and lets the user drag it out as
// a copy; only a secure address can be dragged.
class UrlToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit UrlToolButton(QWidget *parent = nullptr);

    void performDrag();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void setUrl(const QUrl &url);

private:
    QUrl m_url;
    QPoint m_pressPosition;
};

#endif // URLTOOLBUTTON_H
