#ifndef REVISIONHISTORYLISTWIDGET_H
#define REVISIONHISTORYLISTWIDGET_H

#include <QListWidget>
#include <QString>

// The revisions of one document, one item each: the revision's start in local
// time as its text and, under Qt::UserRole, as the server stored it. The two
// properties give the selected revision, and a null text unless exactly one
// item is selected.
class RevisionHistoryListWidget : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(QString revisionDateTime READ revisionDateTime)
    Q_PROPERTY(QString revisionSysStart READ revisionSysStart)

public:
    explicit RevisionHistoryListWidget(QWidget *parent);
    ~RevisionHistoryListWidget() override;

    QString revisionDateTime() const;
    QString revisionSysStart() const;
};

#endif // REVISIONHISTORYLISTWIDGET_H
