#ifndef DIALOGANSWERS_H
#define DIALOGANSWERS_H

#include "dialoganswerer.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Answers for the dialogs of the option and credential flows, to queue on a
// testsupport::DialogAnswerer.
namespace dialoganswers
{
using Action = testsupport::DialogAnswerer::Action;

// Sets the input dialog's text as if pasted and presses OK.
inline Action EnterText(const QString &text)
{
    return [text](QWidget *widget) {
        auto *input = qobject_cast<QInputDialog *>(widget);
        if (!input) {
            widget->close();
            return;
        }
        input->setTextValue(text);
        input->accept();
    };
}

// Types into the input dialog key by key (its validator sees every key),
// remembers what the field then holds, and presses OK.
inline Action TypeText(const QString &keys, QString *held = nullptr)
{
    return [keys, held](QWidget *widget) {
        auto *input = qobject_cast<QInputDialog *>(widget);
        QLineEdit *field = widget->findChild<QLineEdit *>();
        if (!input || !field) {
            widget->close();
            return;
        }
        QTest::keyClicks(field, keys);
        if (held)
            *held = field->text();
        input->accept();
    };
}

// Types the two values into a value-confirmation dialog and presses OK when
// it is enabled; otherwise gives up with Cancel and reports that through
// okEnabled.
inline Action TypeTwice(const QString &value, const QString &confirmation, bool *okEnabled = nullptr)
{
    return [value, confirmation, okEnabled](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        auto *first = widget->findChild<QLineEdit *>(QStringLiteral("valueLineEdit"));
        auto *second = widget->findChild<QLineEdit *>(QStringLiteral("confirmationLineEdit"));
        auto *ok = widget->findChild<QPushButton *>(QStringLiteral("okButton"));
        if (!dialog || !first || !second || !ok) {
            widget->close();
            return;
        }
        QTest::keyClicks(first, value);
        QTest::keyClicks(second, confirmation);
        if (okEnabled)
            *okEnabled = ok->isEnabled();
        if (ok->isEnabled())
            ok->click();
        else
            dialog->reject();
    };
}
}

#endif // DIALOGANSWERS_H
