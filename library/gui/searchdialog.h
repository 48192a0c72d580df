#ifndef SEARCHDIALOG_H
#define SEARCHDIALOG_H

#include <QDialog>
#include <QTextCursor>
#include <QTextDocument>

class QCheckBox;
class QFrame;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QVBoxLayout;

// The search part shared by the find and the replace dialog: the text to look
// for, direction, case and whole-word options, and Find, Find All and Close.
// The search never wraps around. While the dialog is open the occurrence found
// shows selected in the text; when it goes, the highlights go with it and the
// text's own cursor is back where it was. The subclasses lay the widgets out.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    SearchDialog(QTextEdit &editor, QWidget *parent);
    ~SearchDialog() override;

    QTextDocument::FindFlags getFindFlags() const;

protected slots:
    virtual void textChanged(const QString &text);
    virtual void find();
    virtual void findAll();

protected:
    virtual void connectSignals();
    virtual void initializeLayout() = 0;

    // The pieces both layouts are made of: the boxed frame that holds the text
    // rows, a row of a label and text with two buttons beside them, the find
    // row, a sunken line, and what stands below the frame (the direction and
    // case boxes, the whole-words box, a line and Close).
    QFrame *createSearchFrame(QLayout *content);
    QLayout *createTextRow(QLabel *label, QLineEdit *text, QPushButton *upper, QPushButton *lower);
    QLayout *createFindRow();
    QFrame *createLine();
    void addOptionRows(QVBoxLayout *layout);

    QLabel *m_findLabel;
    QTextEdit &m_editor;
    const QTextCursor m_savedCursor;
    QTextCursor m_searchCursor;
    QLineEdit *m_findLineEdit;
    QRadioButton *m_searchForwardRadioButton;
    QRadioButton *m_searchBackwardRadioButton;
    QRadioButton *m_caseSensitiveRadioButton;
    QRadioButton *m_caseInsensitiveRadioButton;
    QCheckBox *m_wholeWordsCheckBox;
    QPushButton *m_findPushButton;
    QPushButton *m_findAllPushButton;
    QPushButton *m_closePushButton;
};

#endif // SEARCHDIALOG_H
