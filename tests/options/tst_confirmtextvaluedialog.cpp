#include "clienttranslation.h"
#include "confirmtextvaluedialog.h"
#include "passwordvalidator.h"
#include "testenvironment.h"
#include "usernamevalidator.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTest>

QORV_ISOLATE_TEST_ENVIRONMENT()

namespace
{
const QString Yellow = QStringLiteral("border: 1px solid yellow;");
const QString Red = QStringLiteral("border: 1px solid red;");

struct Fields
{
    explicit Fields(const QDialog &dialog)
        : first(dialog.findChild<QLineEdit *>(QStringLiteral("valueLineEdit")))
        , second(dialog.findChild<QLineEdit *>(QStringLiteral("confirmationLineEdit")))
        , ok(dialog.findChild<QPushButton *>(QStringLiteral("okButton")))
        , cancel(dialog.findChild<QPushButton *>(QStringLiteral("cancelButton")))
    {
    }

    QLineEdit *first;
    QLineEdit *second;
    QPushButton *ok;
    QPushButton *cancel;
};

void Retype(QLineEdit *field, const QString &text)
{
    // Select all and type over it, as a user would; every key is an edit.
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}
}

class TestConfirmTextValueDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(testsupport::InstallClientTranslation()); }

    void userNameValidator_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::newRow("empty") << "" << int(QValidator::Intermediate);
        QTest::newRow("5 characters") << "abcde" << int(QValidator::Intermediate);
        QTest::newRow("6 characters") << "abcdef" << int(QValidator::Acceptable);
        QTest::newRow("inner blank counts") << "ab cde" << int(QValidator::Acceptable);
        // What is sent is trimmed, so blanks at the ends do not count.
        QTest::newRow("2 letters, 4 blanks") << "ab    " << int(QValidator::Intermediate);
        QTest::newRow("5 letters between blanks") << "  abcde  " << int(QValidator::Intermediate);
        QTest::newRow("6 letters between blanks") << "  abcdef  " << int(QValidator::Acceptable);
        QTest::newRow("non-ASCII") << QString::fromUtf8("Ærøskø") << int(QValidator::Acceptable);
    }

    void userNameValidator()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        UserNameValidator validator(nullptr);
        int position = 0;
        QCOMPARE(int(validator.validate(input, position)), state);
        QString fixed = QStringLiteral("  ann lee \t");
        validator.fixup(fixed);
        QCOMPARE(fixed, QStringLiteral("ann lee"));
    }

    void passwordValidator_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        QTest::newRow("empty") << "" << int(QValidator::Intermediate);
        QTest::newRow("7 characters") << "abcdefg" << int(QValidator::Intermediate);
        QTest::newRow("8 lower case") << "abcdefgh" << int(QValidator::Acceptable);
        QTest::newRow("upper case and digits only") << "ABCDEFG1" << int(QValidator::Intermediate);
        QTest::newRow("one lower-case letter") << "ABCDEFg1" << int(QValidator::Acceptable);
        QTest::newRow("non-ASCII lower case does not count")
            << QString::fromUtf8("ÄBCDEFGé") << int(QValidator::Intermediate);
        QTest::newRow("inner blank") << "abcd efgh" << int(QValidator::Acceptable);
        // Log-on trims the typed password: such a password could never be
        // entered again.
        QTest::newRow("leading blank") << " abcdefgh" << int(QValidator::Intermediate);
        QTest::newRow("trailing tab") << "abcdefgh\t" << int(QValidator::Intermediate);
        QTest::newRow("7 between blanks") << " abcdefg " << int(QValidator::Intermediate);
    }

    void passwordValidator()
    {
        QFETCH(QString, input);
        QFETCH(int, state);
        PasswordValidator validator(nullptr);
        int position = 0;
        QCOMPARE(int(validator.validate(input, position)), state);
    }

    void dialogIsBuiltAsDescribed()
    {
        ConfirmTextValueDialog dialog(nullptr, QStringLiteral("Title"), QStringLiteral("First:"),
                                      QStringLiteral("Second:"), QLineEdit::Password);
        const Fields fields(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Title"));
        QCOMPARE(dialog.minimumWidth(), 400);
        QCOMPARE(fields.first->echoMode(), QLineEdit::Password);
        QCOMPARE(fields.second->echoMode(), QLineEdit::Password);
        QCOMPARE(fields.ok->text(), QStringLiteral("OK"));
        QCOMPARE(fields.cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(!fields.ok->isEnabled());
        QVERIFY(fields.first->styleSheet().isEmpty());
        QVERIFY(fields.second->styleSheet().isEmpty());
        auto *form = dialog.findChild<QFormLayout *>();
        QCOMPARE(qobject_cast<QLabel *>(form->itemAt(0, QFormLayout::LabelRole)->widget())->text(),
                 QStringLiteral("First:"));
        QCOMPARE(form->itemAt(1, QFormLayout::FieldRole)->widget(), fields.second);
    }

    void equalAcceptablePairEnablesOk()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        dialog.setValidator(new UserNameValidator(&dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("annlee"));
        QCOMPARE(fields.second->styleSheet(), Red);
        QTest::keyClicks(fields.second, QStringLiteral("annlee"));
        QVERIFY(fields.ok->isEnabled());
        QVERIFY(fields.first->styleSheet().isEmpty());
        QVERIFY(fields.second->styleSheet().isEmpty());

        // One changed character in either field turns it back.
        QTest::keyClick(fields.second, Qt::Key_Backspace);
        QCOMPARE(fields.second->styleSheet(), Red);
        QVERIFY(!fields.ok->isEnabled());
        QTest::keyClick(fields.second, Qt::Key_E);
        QVERIFY(fields.ok->isEnabled());
        QTest::keyClick(fields.first, Qt::Key_X);
        QCOMPARE(fields.second->styleSheet(), Red);
        QVERIFY(!fields.ok->isEnabled());
    }

    void validatorBorderFollowsEveryChange()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        dialog.setValidator(new UserNameValidator(&dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("abcde"));
        QCOMPARE(fields.first->styleSheet(), Yellow);
        QTest::keyClick(fields.first, Qt::Key_F);
        QVERIFY(fields.first->styleSheet().isEmpty());
        // Programmatic changes count as well.
        fields.first->setText(QStringLiteral("ab"));
        QCOMPARE(fields.first->styleSheet(), Yellow);
    }

    void equalPairThatTheValidatorRefusesChangesNothing()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        dialog.setValidator(new UserNameValidator(&dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("abc"));
        QTest::keyClicks(fields.second, QStringLiteral("ab"));
        QCOMPARE(fields.second->styleSheet(), Red);
        QTest::keyClick(fields.second, Qt::Key_C);
        QCOMPARE(fields.second->styleSheet(), Red);
        QVERIFY(!fields.ok->isEnabled());
    }

    void valuesThatDifferOnlyByATrailingBlankDiffer()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        dialog.setValidator(new UserNameValidator(&dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("annlee "));
        QTest::keyClicks(fields.second, QStringLiteral("annlee"));
        QCOMPARE(fields.second->styleSheet(), Red);
        QVERIFY(!fields.ok->isEnabled());
        QCOMPARE(dialog.getTextValue(), QStringLiteral("annlee"));
    }

    void withoutValidatorEmptyFieldsAreAnAcceptablePair()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("x"));
        QTest::keyClicks(fields.second, QStringLiteral("x"));
        QVERIFY(fields.ok->isEnabled());
        Retype(fields.first, QString());
        QVERIFY(!fields.ok->isEnabled());
        Retype(fields.second, QString());
        QVERIFY(fields.ok->isEnabled());
        QVERIFY(fields.first->styleSheet().isEmpty());
        QCOMPARE(dialog.getTextValue(), QString());
    }

    void secondValidatorIsIgnored()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Password);
        auto *first = new PasswordValidator(&dialog);
        dialog.setValidator(first);
        dialog.setValidator(new UserNameValidator(&dialog));
        const Fields fields(dialog);
        QCOMPARE(fields.first->validator(), first);
        // Six characters would do for a user name, not for a password.
        QTest::keyClicks(fields.first, QStringLiteral("abcdef"));
        QTest::keyClicks(fields.second, QStringLiteral("abcdef"));
        QVERIFY(!fields.ok->isEnabled());
        QCOMPARE(fields.first->styleSheet(), Yellow);
    }

    void passwordWithSurroundingBlanksCannotBeConfirmed()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Password);
        dialog.setValidator(new PasswordValidator(&dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("secret99 "));
        QTest::keyClicks(fields.second, QStringLiteral("secret99 "));
        QVERIFY(!fields.ok->isEnabled());
        QCOMPARE(fields.first->styleSheet(), Yellow);
    }

    void okAcceptsAndCancelRejects()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("  value "));
        QTest::keyClicks(fields.second, QStringLiteral("  value "));
        fields.ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.getTextValue(), QStringLiteral("value"));
        fields.cancel->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void emailAddressValidatorRefusesCapitalsAndShortEndings()
    {
        ConfirmTextValueDialog dialog(nullptr, QString(), QString(), QString(), QLineEdit::Normal);
        dialog.setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("^[a-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,}$")), &dialog));
        const Fields fields(dialog);
        QTest::keyClicks(fields.first, QStringLiteral("Ann@Example.COM"));
        QCOMPARE(fields.first->text(), QStringLiteral("nn@xample."));
        fields.first->clear();
        QTest::keyClicks(fields.first, QStringLiteral("a@b.c"));
        QTest::keyClicks(fields.second, QStringLiteral("a@b.c"));
        QVERIFY(!fields.ok->isEnabled());
    }
};

QTEST_MAIN(TestConfirmTextValueDialog)
#include "tst_confirmtextvaluedialog.moc"
