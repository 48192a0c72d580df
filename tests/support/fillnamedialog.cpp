#include "fillnamedialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace testsupport
{
DialogAnswerer::Action FillNameDialog(const QString &nameField, const QString &descriptionField, const QString &name,
                                      const QString &description, bool ok, const std::function<void()> &beforeAnswer)
{
    return [=](QWidget *shown) {
        auto *nameEdit = shown->findChild<QLineEdit *>(nameField);
        auto *descriptionEdit = shown->findChild<QLineEdit *>(descriptionField);
        if (!nameEdit || !descriptionEdit) {
            shown->close();
            return;
        }
        nameEdit->setText(name);
        descriptionEdit->setText(description);
        if (beforeAnswer)
            beforeAnswer();
        shown->findChild<QPushButton *>(ok ? QStringLiteral("okPushButton") : QStringLiteral("cancelPushButton"))
            ->click();
    };
}
}
