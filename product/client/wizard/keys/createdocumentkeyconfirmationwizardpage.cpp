#include "createdocumentkeyconfirmationwizardpage.h"

#include "createdocumentkeywizard.h"
#include "documentkeyreader.h"
#include "keysummary.h"
#include "linguist.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectrevisionwizardpage.h"

#include <QDateTime>
#include <QListWidgetItem>

#include <array>

namespace
{
struct Permission
{
    DocumentKeyProxy::Permission bit;
    const char *key;
};

// In the order the summary lists them.
const std::array<Permission, 8> Permissions = {{
    {DocumentKeyProxy::View, QT_TRANSLATE_NOOP("Linguist", "PermissionViewDocumentContents")},
    {DocumentKeyProxy::ExportToTextFile, QT_TRANSLATE_NOOP("Linguist", "PermissionExportDocumentContentsToTextFile")},
    {DocumentKeyProxy::ExportToPdfFile, QT_TRANSLATE_NOOP("Linguist", "PermissionExportDocumentContentsToPdfFile")},
    {DocumentKeyProxy::Update, QT_TRANSLATE_NOOP("Linguist", "PermissionUpdateDocument")},
    {DocumentKeyProxy::CopyToClipboard, QT_TRANSLATE_NOOP("Linguist", "PermissionCopyDocumentContentsToClipboard")},
    {DocumentKeyProxy::CopyFromClipboard, QT_TRANSLATE_NOOP("Linguist", "PermissionCopyDocumentContentsFromClipboard")},
    {DocumentKeyProxy::Print, QT_TRANSLATE_NOOP("Linguist", "PermissionPrintDocumentContents")},
    {DocumentKeyProxy::Search, QT_TRANSLATE_NOOP("Linguist", "PermissionSearchDocumentContents")},
}};
}

CreateDocumentKeyConfirmationWizardPage::CreateDocumentKeyConfirmationWizardPage(CreateDocumentKeyWizard *wizard)
    : AbstractCreateKeyConfirmationWizardPage(tr("CreateDocumentKeyConfirmationWizardPageTitle"),
                                              tr("CreateDocumentKeyConfirmationWizardPageSubTitle"), wizard)
    , m_wizard(wizard)
{
}

CreateDocumentKeyConfirmationWizardPage::~CreateDocumentKeyConfirmationWizardPage() = default;

void CreateDocumentKeyConfirmationWizardPage::initializePage()
{
    const QString noPermissions = tr("TranslationA");
    const QString permissions = tr("TranslationB");
    const QString olderRevision = tr("TranslationX");
    const QString currentRevision = tr("TranslationY");

    const qorv::data::DocumentKey documentKey = m_wizard->documentKeyRules();
    const DocumentKeyReader reader(documentKey);
    const qorv::data::SecurityDescriptor &descriptor = documentKey.document_key_security_descriptor();
    QString html;

    const QListWidgetItem *revision = m_wizard->getSelectRevisionWizardPage()->revisionHistoryListWidgetItem();
    if (field(QStringLiteral("currentRevision")).toBool() || revision == nullptr) {
        html += currentRevision;
    } else {
        const QDateTime start = QDateTime::fromString(revision->text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        html += olderRevision.arg(start.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }

    if (reader.noPermissions()) {
        html += noPermissions;
    } else {
        QStringList granted;
        for (const Permission &permission : Permissions) {
            if (reader.permission(permission.bit))
                granted.append(Linguist::tr(permission.key));
        }
        html += keysummary::List(permissions, granted);
    }

    RuleFacts facts;
    facts.active = reader.active(DocumentKeyProxy::ActiveStatus);
    facts.hasActiveHours = !reader.activeFrom().empty() && !reader.activeTo().empty();
    facts.limitsSession = reader.sessionDuration() != 0;
    facts.expires = !reader.expirationDate().empty();
    html +=
        rulesSummary(ruleTexts(), facts, descriptor, m_wizard->getSelectDocumentKeyUserWizardPage()->selectedItems());

    setSummary(html);
}

AbstractCreateKeyConfirmationWizardPage::RuleTexts CreateDocumentKeyConfirmationWizardPage::ruleTexts()
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
