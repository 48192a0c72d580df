#ifndef ABSTRACTSEARCHEDITOR_H
#define ABSTRACTSEARCHEDITOR_H

#include "mode.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <string>

class QComboBox;
class QDateEdit;
class QLineEdit;

// The permanent editor of one criterion row: a subject, a predicate that fits
// the subject, and a text field or a date field. The editor's own Mode has one
// root mode per subject, registered first and in subject order, so that the
// mode of subject k has the id k; entering it shows the subject's field and
// refills the predicates. Every change of a value is announced with
// commitData, on which the view copies the whole editor into its row. A
// concrete editor only names its subjects (setUpSubjects).
class AbstractSearchEditor : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractSearchEditor(QWidget *parent);
    ~AbstractSearchEditor() override;

    // The forwarders to the editor's Mode.
    Mode *mode();
    int getMode() const;
    std::string getModeName(int mode) const;
    void setMode(int mode);
    int registerMode(int parent, const std::string &name);
    int registerMode(const std::string &name, int parent);
    void registerProp(int mode, Mode::Condition condition, QObject *object, const std::string &property,
                      const QVariant &value);
    void registerTran(int source, int target);

    QSize sizeHint() const override;

signals:
    void commitData(QWidget *editor);

public slots:
    void subjectChanged(int index);
    void predicateChanged(int index);
    void textEditingFinished();
    void dateChanged(const QDate &date);

public:
    // The indices are checked against the editor's own subjects and the
    // predicates of the current subject: an index out of range changes
    // nothing, and setSubject warns about it, as does setPredicate while no
    // subject is chosen. -1 from the getters means that nothing is chosen.
    virtual void setSubject(int subject);
    virtual int getSubject() const;
    virtual void setPredicate(int predicate);
    virtual int getPredicate() const;
    virtual QString getText() const;
    virtual QDate getDate() const;
    virtual void setText(const QString &text);
    virtual void setDate(const QDate &date);
    virtual void initializeWindow();
    // Binds the field visibility of each subject's mode, refills the
    // predicates on entering it and enters mode 0.
    virtual void initializeMode();

protected:
    // The three predicate lists that the subjects choose from.
    enum class Predicates
    {
        TextComparisons, // Equal, NotEqual, Like, NotLike
        Contains,        // Contains only
        DateComparisons  // Equal, NotEqual, LessThan, GreaterThan, LessThanOrEqual, GreaterThanOrEqual
    };

    // For the concrete editor's constructor: its subjects' texts and the
    // predicates each offers, in subject order (a subject with the date
    // comparisons shows the date field, any other the text field). Registers
    // the subjects' modes, calls initializeMode() and fills the subject combo
    // box; the first subject becomes current as it goes in, which enters its
    // mode once more while nothing listens to the commits yet.
    void setUpSubjects(const QStringList &texts, const QList<Predicates> &predicates);

    static int predicateCount(Predicates predicates);
    // Replaces the predicate entries by the list's translated texts and makes
    // the first one current.
    void fillPredicates(Predicates predicates);
    // Entering the mode shows the text field, or the date field instead.
    void bindFieldVisibility(int mode, bool dateField);

    QComboBox *m_subjectComboBox;
    QComboBox *m_predicateComboBox;
    QLineEdit *m_textLineEdit;
    QDateEdit *m_dateEdit;
    Mode *m_mode;

private:
    void enterSubjectMode(int mode);

    QList<Predicates> m_subjectPredicates;
};

#endif // ABSTRACTSEARCHEDITOR_H
