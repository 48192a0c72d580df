#ifndef WIZARDPAGEWIDGETS_H
#define WIZARDPAGEWIDGETS_H

class QLabel;
class QString;
class QTextEdit;
class QWidget;
class QWizard;
class QWizardPage;

// Widgets that several key wizard pages build the same way.
namespace wizardpage
{
// A label drawn as a sunken horizontal line.
QLabel *CreateSeparatorLine(QWidget *parent);

// The read-only text view of an introduction or summary: it never takes the
// focus and allows no selection, and it is the page's only widget, in a
// vertical layout installed on the page.
QTextEdit *CreateSummaryView(QWizardPage *page);

// What the five key change wizards share: their title and icon, a size of
// at least 640 by 480, the modern style and their three pages in order.
void SetUpKeyChangeWizard(QWizard *wizard, const QString &title, const QString &icon, QWizardPage *introduction,
                          QWizardPage *selection, QWizardPage *confirmation);
}

#endif // WIZARDPAGEWIDGETS_H
