#ifndef DOCUMENTEDITOROPTIONSDIALOG_H
#define DOCUMENTEDITOROPTIONSDIALOG_H

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QRadioButton;

// Lets the user choose how document editor windows lay out their three tool
// bars and two dock widgets: shown or hidden when an editor opens, in which
// area, and whether a tool bar starts a new row. Save writes all twelve
// "DocumentEditor/Options" keys; the editors read them when they lay out.
class DocumentEditorOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DocumentEditorOptionsDialog(QWidget *parent);
    ~DocumentEditorOptionsDialog() override;

    // Puts the factory layout into the widgets; nothing is written.
    void reset();

public slots:
    void accepted();
    void rejected();
    void clicked(QAbstractButton *button);

private:
    // The widgets of one tool bar or dock widget. A group without a display
    // or break choice leaves that pointer null.
    struct AreaGroup
    {
        QGroupBox *box = nullptr;
        QCheckBox *display = nullptr;
        QRadioButton *left = nullptr;
        QRadioButton *right = nullptr;
        QRadioButton *top = nullptr;
        QRadioButton *bottom = nullptr;
        QCheckBox *lineBreak = nullptr;
        int fallbackArea = 0; // shown for a stored value that names no area
    };

    AreaGroup makeGroup(const QString &title, bool withDisplay, bool withBreak, int fallbackArea);
    void initializeLayout();
    void showStoredValues();
    void showValues(bool standardDisplay, bool formattingDisplay, bool iconDisplay, bool attachmentsDisplay,
                    int standardArea, int formattingArea, int iconArea, int attachmentsArea, int revisionArea,
                    bool standardBreak, bool formattingBreak, bool iconBreak);

    static void showArea(const AreaGroup &group, int area);
    static int checkedArea(const AreaGroup &group);

    AreaGroup m_standardToolBar;
    AreaGroup m_formattingToolBar;
    AreaGroup m_iconToolBar;
    AreaGroup m_urlAttachmentsDockWidget;
    AreaGroup m_revisionHistoryDockWidget;
    QDialogButtonBox *m_buttonBox;
};

#endif // DOCUMENTEDITOROPTIONSDIALOG_H
