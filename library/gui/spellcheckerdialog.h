#ifndef SPELLCHECKERDIALOG_H
#define SPELLCHECKERDIALOG_H

#include <QDialog>
#include <QMap>
#include <QSet>
#include <QString>
#include <QTextCursor>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

// Walks a text word by word from its start and stops at each word that the
// spell checker rejects, with Hunspell's suggestions. The user ignores the
// word once or for the rest of the walk, replaces it once or at every later
// occurrence, or adds it to the user dictionary. When the dialog goes, the
// words it ignored everywhere (the added ones among them) are taught to
// Hunspell, so they count as correct until log-off.
//
// Building the dialog already runs the first step, so it opens on the first
// rejected word or on the completion message. Single characters are never
// checked.
class SpellCheckerDialog : public QDialog
{
    Q_OBJECT

public:
    SpellCheckerDialog(QTextEdit &editor, QWidget *parent);
    ~SpellCheckerDialog() override;

    // One step of the walk: on to the next rejected word, or to the end.
    void checkSpelling();

public slots:
    void ignore();
    void ignoreAll();
    void change();
    void changeAll();
    void addToDictionary();

private:
    void stopAt(const QString &word);
    void complete();
    // Narrows the selection to the word, without pictures before or after it.
    void selectWordOnly();
    // On to the start of the next word; false at the end of the text.
    bool nextWord();
    bool isAccepted(const QString &word) const;
    QString currentSuggestion() const;

    QTextEdit &m_editor;
    QTextCursor m_cursor;
    QSet<QString> m_ignoreAllWords;
    QMap<QString, QString> m_changeAllWords;
    QListWidget *m_suggestions;
    QLabel *m_word;
    QPushButton *m_ignoreButton;
    QPushButton *m_ignoreAllButton;
    QPushButton *m_changeButton;
    QPushButton *m_changeAllButton;
    QPushButton *m_addToDictionaryButton;
    QPushButton *m_closeButton;
};

#endif // SPELLCHECKERDIALOG_H
