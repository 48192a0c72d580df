#ifndef TEXTEDITOR_H
#define TEXTEDITOR_H

#include "abstracttexteditor.h"

// The editor commands that open dialogs or touch the settings: pictures,
// tables, column widths, find and replace, spelling. A picture is stored only
// by its name on the "pictures" search path, and the directory it came from is
// added to the picture directories so that it is found again.
class TextEditor : public AbstractTextEditor
{
    Q_OBJECT

public:
    explicit TextEditor(AbstractTextEditorView *view);

public slots:
    virtual void insertPicture();
    virtual void insertTable();
    virtual void setColumnWidth();
    virtual void replaceText();
    virtual void checkSpelling();

private slots:
    void hidePane();
    void showPane();
    void resetPane();
};

#endif // TEXTEDITOR_H
