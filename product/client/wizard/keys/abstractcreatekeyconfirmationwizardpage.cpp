#include "abstractcreatekeyconfirmationwizardpage.h"

#include "itemrecord.h"
#include "itemrole.h"
#include "keyrules.h"
#include "keysummary.h"
#include "wizardpagewidgets.h"

#include "user3.pb.h"

#include <QDate>
#include <QDateTime>
#include <QListWidgetItem>
#include <QPixmap>
#include <QTextEdit>
#include <QWizard>

AbstractCreateKeyConfirmationWizardPage::AbstractCreateKeyConfirmationWizardPage(const QString &title,
                                                                                 const QString &subTitle,
                                                                                 QWizard *wizard)
    : QWizardPage(wizard)
    , m_summary(wizardpage::CreateSummaryView(this))
{
    m_summary->setObjectName(QStringLiteral("summaryTextEdit"));
    setTitle(title);
    setSubTitle(subTitle);
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/signal_flag_checkered.png")));
}

AbstractCreateKeyConfirmationWizardPage::~AbstractCreateKeyConfirmationWizardPage() = default;

void AbstractCreateKeyConfirmationWizardPage::cleanupPage()
{
}

QString AbstractCreateKeyConfirmationWizardPage::rulesSummary(const RuleTexts &texts, const RuleFacts &facts,
                                                              const qorv::data::SecurityDescriptor &descriptor,
                                                              const QList<QListWidgetItem *> &picked) const
{
    QString html = facts.active ? texts.active : texts.inactive;
    const QStringList activeMonths = keysummary::ActiveMonths(descriptor);
    html += activeMonths.isEmpty() ? texts.noMonths : keysummary::List(texts.months, activeMonths);
    const QStringList activeDays = keysummary::ActiveDays(descriptor);
    html += activeDays.isEmpty() ? texts.noDays : keysummary::List(texts.days, activeDays);

    if (field(QStringLiteral("restrictedHours")).toBool() && facts.hasActiveHours)
        html += texts.hours.arg(keyrules::ShortTime(field(QStringLiteral("fromTime")).toDateTime().time()),
                                keyrules::ShortTime(field(QStringLiteral("toTime")).toDateTime().time()));
    else
        html += texts.noHours;

    if (!facts.limitsSession)
        html += texts.noDuration;
    else
        html += texts.duration.arg(QString::number(field(QStringLiteral("durationSpinBox")).toUInt()),
                                   keysummary::DurationUnit(field(QStringLiteral("durationComboBox")).toUInt()));

    if (!facts.expires)
        html += texts.noExpiration;
    else
        html += keysummary::Expiration(field(QStringLiteral("expirationDateCalendar")).toDate(), texts.expiresToday,
                                       texts.expiresTomorrow, texts.expiresLater);

    html += field(QStringLiteral("passcodeIsValid")).toBool() ? texts.passcode : texts.noPasscode;

    if (picked.isEmpty()) {
        html += texts.noUsers;
    } else {
        QStringList names;
        for (const QListWidgetItem *item : picked)
            names.append(keysummary::UserName(itemrecord::Get<qorv::data::User>(item, UserRole)));
        html += keysummary::List(texts.users, names);
    }
    return html;
}

void AbstractCreateKeyConfirmationWizardPage::setSummary(const QString &html)
{
    m_summary->setHtml(html);
}
