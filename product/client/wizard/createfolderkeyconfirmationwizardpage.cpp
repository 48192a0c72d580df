#include "createfolderkeyconfirmationwizardpage.h"

#include "createfolderkeywizard.h"
#include "folderkeyreader.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keyrules.h"
#include "keysummary.h"
#include "selectfolderkeyuserwizardpage.h"
#include "wizardpagewidgets.h"

#include "user3.pb.h"

#include <QDate>
#include <QDateTime>
#include <QListWidgetItem>
#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

CreateFolderKeyConfirmationWizardPage::CreateFolderKeyConfirmationWizardPage(CreateFolderKeyWizard *wizard)
    : QWizardPage(wizard)
    , m_wizard(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(tr("CreateFolderKeyConfirmationWizardPageTitle"));
    setSubTitle(tr("CreateFolderKeyConfirmationWizardPageSubTitle"));
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

CreateFolderKeyConfirmationWizardPage::~CreateFolderKeyConfirmationWizardPage() = default;

void CreateFolderKeyConfirmationWizardPage::initializePage()
{
    const QString noPermissions = tr("TranslationA");
    const QString permissions = tr("TranslationB");
    const QString view = tr("TranslationC");
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

    html += reader.active(FolderKeyProxy::ActiveStatus) ? active : inactive;
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

    const QList<QListWidgetItem *> picked = m_wizard->getSelectFolderKeyUserWizardPage()->selectedItems();
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

void CreateFolderKeyConfirmationWizardPage::cleanupPage()
{
}
