#ifndef SETREVISIONWIZARD_H
#define SETREVISIONWIZARD_H

#include <QString>
#include <QWizard>

#include <string>

class SetRevisionConfirmationWizardPage;
class SetRevisionIntroductionWizardPage;
class SelectRevisionWizardPage;

// Binds an existing document key to the current revision or to one earlier
// revision. A previous revision with none selected counts as the current
// one, so that a key never names an empty revision.
class SetRevisionWizard : public QWizard
{
    Q_OBJECT

public:
    SetRevisionWizard(const QString &name, const QString &user, QWidget *parent, int documentId);
    ~SetRevisionWizard() override;

    bool currentRevision() const;
    std::string revisionDateTime() const;
    std::string revisionSysStart() const;

private:
    const QString m_name;
    const QString m_user;
    SetRevisionIntroductionWizardPage *m_introductionPage;
    SelectRevisionWizardPage *m_selectionPage;
    SetRevisionConfirmationWizardPage *m_confirmationPage;
};

#endif // SETREVISIONWIZARD_H
