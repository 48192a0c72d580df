#include "createfolderkeyconfirmationwizardpage.h"

#include "createfolderkeywizard.h"
#include "folderkeyreader.h"
#include "keysummary.h"
#include "selectfolderkeyuserwizardpage.h"

CreateFolderKeyConfirmationWizardPage::CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard *wizard)
    : AbstractCreateKeyConfirmationWizardPage(tr("CreateFolderKeyConfirmationWizardPageTitle"),
                                              tr("CreateFolderKeyConfirmationWizardPageSubTitle"), wizard)
    , m_wizard(wizard)
{
}

CreateFolderKeyConfirmationWizardPage::~CreateFolderKeyConfirmationWizardPage() = default;

void CreateFolderKeyConfirmationWizardPage::initializePage()
{
    const QString noPermissions = tr("TranslationA");
    const QString permissions = tr("TranslationB");
    const QString view = tr("TranslationC");
    const QString search = tr("TranslationX");

    const qorv::data::FolderKey folderKey = m_wizard->folderKeyRules();
    const FolderKeyReader reader(folderKey);
    const qorv::data::SecurityDescriptor &descriptor = folderKey.folder_key_security_descriptor();
    QString html;

    // The permission sentence holds its own list.
    const bool mayView = reader.permission(FolderKeyProxy::View);
    const bool maySearch = reader.permission(FolderKeyProxy::Search);
    if (!mayView && !maySearch)
        html += noPermissions;
    else
        html += permissions.arg((mayView ? view : QString()) + (maySearch ? search : QString()));

    RuleFacts facts;
    facts.active = reader.active(FolderKeyProxy::ActiveStatus);
    facts.hasActiveHours = !reader.activeFrom().empty() && !reader.activeTo().empty();
    facts.limitsSession = reader.sessionDuration() != 0;
    facts.expires = !reader.expirationDate().empty();
    html += rulesSummary(ruleTexts(), facts, descriptor, m_wizard->getSelectFolderKeyUserWizardPage()->selectedItems());

    setSummary(html);
}

AbstractCreateKeyConfirmationWizardPage::RuleTexts CreateFolderKeyConfirmationWizardPage::ruleTexts()
{
    RuleTexts texts;
    texts.inactive = tr("TranslationD");
    texts.active = tr("TranslationE");
    texts.noMonths = tr("TranslationF");
    texts.months = tr("TranslationG");
    texts.noDays = tr("TranslationH");
    texts.days = tr("TranslationI");
    texts.noHours = tr("TranslationJ");
    texts.hours = tr("TranslationK");
    texts.noDuration = tr("TranslationN");
    texts.duration = tr("TranslationO");
    texts.noExpiration = tr("TranslationP");
    texts.expiresToday = tr("TranslationQ");
    texts.expiresTomorrow = tr("TranslationR");
    texts.expiresLater = tr("TranslationS");
    texts.noPasscode = tr("TranslationT");
    texts.passcode = tr("TranslationU");
    texts.noUsers = tr("TranslationV");
    texts.users = tr("TranslationW");
    return texts;
}
