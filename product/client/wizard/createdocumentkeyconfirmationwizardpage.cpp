#include "createdocumentkeyconfirmationwizardpage.h"

#include "createdocumentkeywizard.h"
#include "documentkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrules.h"
#include "keysummary.h"
#include "linguist.h"
#include "selectdocumentkeyuserwizardpage.h"
#include "selectrevisionwizardpage.h"
#include "wizardpagewidgets.h"

#include "user3.pb.h"

#include <QDate>
#include <QDateTime>
#include <QListWidgetItem>
#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

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
    : QWizardPage(wizard)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("CreateDocumentKeyConfirmationWizardPageTitle"));
    setSubTitle(tr("CreateDocumentKeyConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

CreateDocumentKeyConfirmationWizardPage::~CreateDocumentKeyConfirmationWizardPage() = default;

void CreateDocumentKeyConfirmationWizardPage::initializePage()
{
    const QString noPermissions = tr("TranslationA");
    const QString permissions = tr("TranslationB");
    const QString inactive = tr("TranslationD");
    const QString active = tr("TranslationE");
    const QString noMonths = tr("TranslationF");
    const QString months = tr("TranslationG");
    const QString noDays = tr("TranslationH");
    const QString days = tr("TranslationI");
    const QString noHours = tr("TranslationJ");
    const QString hours = tr("TranslationK");
    const QString noDuration = tr("TranslationN");
    const QString duration = tr("TranslationO");
    const QString noExpiration = tr("TranslationP");
    const QString expiresToday = tr("TranslationQ");
    const QString expiresTomorrow = tr("TranslationR");
    const QString expiresLater = tr("TranslationS");
    const QString noPasscode = tr("TranslationT");
    const QString passcode = tr("TranslationU");
    const QString noUsers = tr("TranslationV");
    const QString users = tr("TranslationW");
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

    html += reader.active(DocumentKeyProxy::ActiveStatus) ? active : inactive;
    const QStringList activeMonths = keysummary::ActiveMonths(descriptor);
    html += activeMonths.isEmpty() ? noMonths : keysummary::List(months, activeMonths);
    const QStringList activeDays = keysummary::ActiveDays(descriptor);
    html += activeDays.isEmpty() ? noDays : keysummary::List(days, activeDays);

    if (field(QStringLiteral("restrictedHours")).toBool() && !reader.activeFrom().empty() && !reader.activeTo().empty())
        html += hours.arg(keyrules::ShortTime(field(QStringLiteral("fromTime")).toDateTime().time()),
                          keyrules::ShortTime(field(QStringLiteral("toTime")).toDateTime().time()));
    else
        html += noHours;

    if (reader.sessionDuration() == 0)
        html += noDuration;
    else
        html += duration.arg(QString::number(field(QStringLiteral("durationSpinBox")).toUInt()),
                             keysummary::DurationUnit(field(QStringLiteral("durationComboBox")).toUInt()));

    if (reader.expirationDate().empty())
        html += noExpiration;
    else
        html += keysummary::Expiration(field(QStringLiteral("expirationDateCalendar")).toDate(), expiresToday,
                                       expiresTomorrow, expiresLater);

    html += field(QStringLiteral("passcodeIsValid")).toBool() ? passcode : noPasscode;

    const QList<QListWidgetItem *> picked = m_wizard->getSelectDocumentKeyUserWizardPage()->selectedItems();
    if (picked.isEmpty()) {
        html += noUsers;
    } else {
        QStringList names;
        for (const QListWidgetItem *item : picked)
            names.append(keysummary::UserName(
                itemrecord::FromVariant<qorv::data::User>(item->data(UserRole)).value_or(qorv::data::User())));
        html += keysummary::List(users, names);
    }

    m_summary->setHtml(html);
}

void CreateDocumentKeyConfirmationWizardPage::cleanupPage()
{
}
