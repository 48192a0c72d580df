<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SelectActiveStatusWizardPage</name>
    <message>
        <source>SelectActiveStatusWizardPageTitle</source>
        <translation>Select Active Status</translation>
    </message>
    <message>
        <source>SelectActiveStatusWizardPageSubTitle</source>
        <translation>Please enable or disable the active status of this key.</translation>
    </message>
    <message>
        <source>ActiveStatus</source>
        <translation>Enable active status</translation>
    </message>
</context>
<context>
    <name>SelectActiveMonthsWizardPage</name>
    <message>
        <source>SelectActiveMonthsWizardPageTitle</source>
        <translation>Select Active Months</translation>
    </message>
    <message>
        <source>SelectActiveMonthsWizardPageSubTitle</source>
        <translation>Please select the months of the year during which this key will be active.</translation>
    </message>
    <message>
        <source>ActiveMonths</source>
        <translation>Active months</translation>
    </message>
</context>
<context>
    <name>SelectActiveDaysWizardPage</name>
    <message>
        <source>SelectActiveDaysWizardPageTitle</source>
        <translation>Select Active Days</translation>
    </message>
    <message>
        <source>SelectActiveDaysWizardPageSubTitle</source>
        <translation>Please select the days on which this key will be active.</translation>
    </message>
    <message>
        <source>ActiveDays</source>
        <translation>Active days</translation>
    </message>
</context>
<context>
    <name>SelectDocumentKeyPermissionsWizardPage</name>
    <message>
        <source>SelectDocumentKeyPermissionsWizardPageTitle</source>
        <translation>Select Permissions</translation>
    </message>
    <message>
        <source>SelectDocumentKeyPermissionsWizardPageSubTitle</source>
        <translation>Please select the permissions that will be granted by this key.</translation>
    </message>
</context>
<context>
    <name>SelectFolderKeyPermissionsWizardPage</name>
    <message>
        <source>SelectFolderKeyPermissionsWizardPageTitle</source>
        <translation>Select Permissions</translation>
    </message>
    <message>
        <source>SelectFolderKeyPermissionsWizardPageSubTitle</source>
        <translation>Please select the permissions that will be granted by this key.</translation>
    </message>
    <message>
        <source>PermissionViewFolderContents</source>
        <translation>Allow the contents of the folder to be viewed</translation>
    </message>
    <message>
        <source>PermissionSearchFolderContents</source>
        <translation>Allow the contents of the folder to be searched</translation>
    </message>
</context>
<context>
    <name>SelectSessionDurationWizardPage</name>
    <message>
        <source>SelectSessionDurationWizardPageTitle</source>
        <translation>Select Session Duration</translation>
    </message>
    <message>
        <source>SelectSessionDurationWizardPageSubTitle</source>
        <translation>Please select the session duration that will be associated with this key.</translation>
    </message>
    <message>
        <source>UnrestrictedDuration</source>
        <translation>Unrestricted duration</translation>
    </message>
    <message>
        <source>RestrictedDuration</source>
        <translation>Restricted duration</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
</context>
<context>
    <name>SelectExpirationDateWizardPage</name>
    <message>
        <source>SelectExpirationDateWizardPageTitle</source>
        <translation>Select Expiration Date</translation>
    </message>
    <message>
        <source>SelectExpirationDateWizardPageSubTitle</source>
        <translation>Please select the expiration date of this key.</translation>
    </message>
    <message>
        <source>OneWeekExpirationDate</source>
        <translation>1 Week</translation>
    </message>
    <message>
        <source>TwoWeeksExpirationDate</source>
        <translation>2 Weeks</translation>
    </message>
    <message>
        <source>OneMonthExpirationDate</source>
        <translation>1 Month</translation>
    </message>
    <message>
        <source>ThreeMonthsExpirationDate</source>
        <translation>3 Months</translation>
    </message>
    <message>
        <source>SixMonthsExpirationDate</source>
        <translation>6 Months</translation>
    </message>
    <message>
        <source>NineMonthsExpirationDate</source>
        <translation>9 Months</translation>
    </message>
    <message>
        <source>OneYearExpirationDate</source>
        <translation>1 Year</translation>
    </message>
    <message>
        <source>TwoYearsExpirationDate</source>
        <translation>2 Years</translation>
    </message>
    <message>
        <source>ThreeYearsExpirationDate</source>
        <translation>3 Years</translation>
    </message>
    <message>
        <source>FourYearsExpirationDate</source>
        <translation>4 Years</translation>
    </message>
    <message>
        <source>FiveYearsExpirationDate</source>
        <translation>5 Years</translation>
    </message>
    <message>
        <source>TenYearsExpirationDate</source>
        <translation>10 Years</translation>
    </message>
    <message>
        <source>SelectExpirationDate</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>SelectActiveHoursWizardPage</name>
    <message>
        <source>SelectActiveHoursWizardPageTitle</source>
        <translation>Select Active Hours</translation>
    </message>
    <message>
        <source>SelectActiveHoursWizardPageSubTitle</source>
        <translation>Please select the hours of the day during which this key will be active.</translation>
    </message>
    <message>
        <source>UnrestrictedHours</source>
        <translation>Unrestricted hours</translation>
    </message>
    <message>
        <source>RestrictedHours</source>
        <translation>Restricted hours</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>TableFilterGroupBoxTitle</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>FilterTableByContinent</source>
        <translation>By continent</translation>
    </message>
    <message>
        <source>FilterTableByTimezone</source>
        <translation>By time zone</translation>
    </message>
    <message>
        <source>STZ</source>
        <translation>STZ</translation>
    </message>
    <message>
        <source>DTZ</source>
        <translation>DTZ</translation>
    </message>
    <message>
        <source>ActiveHours</source>
        <translation>Active Hours</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>DSTNotObserved</source>
        <translation>Daylight Saving Time not observed</translation>
    </message>
</context>
<context>
    <name>SelectRevisionWizardPage</name>
    <message>
        <source>SelectRevisionWizardPageTitle</source>
        <translation>Select Revision</translation>
    </message>
    <message>
        <source>SelectRevisionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the selection of the revision to be associated with the document key.</translation>
    </message>
    <message>
        <source>CurrentRevision</source>
        <translation>Current Revision</translation>
    </message>
    <message>
        <source>PreviousRevision</source>
        <translation>Previous Revision</translation>
    </message>
</context>
<context>
    <name>SelectPasscodeWizardPage</name>
    <message>
        <source>SelectPasscodeWizardPageTitle</source>
        <translation>Select Passcode</translation>
    </message>
    <message>
        <source>SelectPasscodeWizardPageSubTitle</source>
        <translation>Select the passcode that will be associated with this key.</translation>
    </message>
    <message>
        <source>NoPasscode</source>
        <translation>I do not want to associate a passcode with this key</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>I want to associate a passcode with this key</translation>
    </message>
    <message>
        <source>EnterPasscode</source>
        <translation>Please enter a passcode.</translation>
    </message>
    <message>
        <source>ValidatingPasscode</source>
        <translation>Validating the entered passcode...</translation>
    </message>
    <message>
        <source>ReenterPasscode</source>
        <translation>Please re-enter the passcode.</translation>
    </message>
    <message>
        <source>ValidatingReenteredPasscode</source>
        <translation>Validating the re-entered passcode...</translation>
    </message>
    <message>
        <source>PasscodeHasBeenEntered</source>
        <translation>A passcode has been successfully validated and associated with the key.</translation>
    </message>
    <message>
        <source>PasscodeCannotBeEmptyWarning</source>
        <translation>A passcode cannot be empty.</translation>
    </message>
    <message>
        <source>PasscodesDoNotMatchWarning</source>
        <translation>The passcodes you entered do not match.</translation>
    </message>
</context>
<context>
    <name>SelectDocumentKeyUserWizardPage</name>
    <message>
        <source>SelectDocumentKeyUserWizardPageTitle</source>
        <translation>Select User</translation>
    </message>
    <message>
        <source>SelectDocumentKeyUserWizardPageSubTitle</source>
        <translation>Please select the users for whom a copy of the document key is to be created.</translation>
    </message>
</context>
<context>
    <name>CreateDocumentKeyWizard</name>
    <message>
        <source>CreateDocumentKeyWizardTitle</source>
        <translation>Create Document Key Wizard</translation>
    </message>
</context>
<context>
    <name>CreateDocumentKeyIntroductionWizardPage</name>
    <message>
        <source>CreateDocumentKeyIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>CreateDocumentKeyIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the creation of a document key.</translation>
    </message>
</context>
<context>
    <name>CreateDocumentKeyConfirmationWizardPage</name>
    <message>
        <source>CreateDocumentKeyConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>CreateDocumentKeyConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>TranslationA</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The document key does not have any permissions associated with it.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationB</source>
        <translation>The document key will have the following permissions associated with it: &lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationD</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The document key will not have an active status.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationE</source>
        <translation>The document key will have an active status.&lt;br /&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationF</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The document key will not be active during any months.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationG</source>
        <translation>The document key will be active during the following months:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationH</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The document key will not be active on any days.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationI</source>
        <translation>The document key will be active on the following days:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationJ</source>
        <translation>The document key will not be restricted to a time interval during the day.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationK</source>
        <translation>The document key will be active during the time interval from %1 to %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The document key will not have a session duration associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationO</source>
        <translation>The document key will have a session duration of %1 %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationP</source>
        <translation>The document key will not have an expiration date associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationQ</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The document key&apos;s expiration date will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationR</source>
        <translation>The document key&apos;s expiration date will be %1, tommorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationS</source>
        <translation>The document key&apos;s expiration date will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationT</source>
        <translation>The document key will not have a passcode.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationU</source>
        <translation>The document key has a passcode that has been entered and validated.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationV</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;No users have been selected.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationW</source>
        <translation>A document key with these selections will be created for each of the following users:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationX</source>
        <translation>The document key will access revision &lt;u&gt;%1&lt;/u&gt; of the document.&lt;br /&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>TranslationY</source>
        <translation>The document key will access the current revision of the document.&lt;br /&gt;&lt;br/&gt;</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursWizard</name>
    <message>
        <source>SetActiveHoursWizardTitle</source>
        <translation>Set Active Hours Wizard</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursIntroductionWizardPage</name>
    <message>
        <source>SetActiveHoursIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetActiveHoursIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the active hours of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to select the hours of the day during which %1 will have access to &apos;%2&apos; and its contents.</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursConfirmationWizardPage</name>
    <message>
        <source>SetActiveHoursConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetActiveHoursConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>RestrictedHours</source>
        <translation>The key that grants %2 access to &apos;%1&apos; will be active from %3 to %4.</translation>
    </message>
    <message>
        <source>NoRestrictedHours</source>
        <translation>The key that grants %2 access to &apos;%1&apos; will not have restricted hours.</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateWizard</name>
    <message>
        <source>SetExpirationDateWizardTitle</source>
        <translation>Set Expiration Date Wizard</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateIntroductionWizardPage</name>
    <message>
        <source>SetExpirationDateIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetExpirationDateIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the expiration date of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set or modify the expiration date of the key that grants %1 access to &apos;%2&apos; and its contents.</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateConfirmationWizardPage</name>
    <message>
        <source>SetExpirationDateConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetExpirationDateConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>Translation0</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The expiration date of the key will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>Translation1</source>
        <translation>The expiration date of the key will be %1, tommorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The expiration date of the key will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
</context>
<context>
    <name>SetPasscodeWizard</name>
    <message>
        <source>SetPasscodeWizardTitle</source>
        <translation>Set Passcode Wizard</translation>
    </message>
</context>
<context>
    <name>SetPasscodeIntroductionWizardPage</name>
    <message>
        <source>SetPasscodeIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetPasscodeIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the passcode of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set or modify the passcode of the key that grants %1 access to &apos;%2&apos; and its contents.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeConfirmationWizardPage</name>
    <message>
        <source>SetPasscodeConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetPasscodeConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>NoPasscode</source>
        <translation>No passcode will be set for the key that grants %2 access to &apos;%1&apos; and its contents.</translation>
    </message>
    <message>
        <source>ValidPasscode</source>
        <translation>A valid passcode has been selected and will be set for the key that grants %2 access to &apos;%1&apos; and its contents.</translation>
    </message>
    <message>
        <source>InvalidPasscode</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;An invalid passcode has been selected for the key that grants %2 access to &apos;%1&apos; and its contents.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
</context>
<context>
    <name>SetRevisionWizard</name>
    <message>
        <source>SetRevisionWizardTitle</source>
        <translation>Set Revision Wizard</translation>
    </message>
</context>
<context>
    <name>SetRevisionIntroductionWizardPage</name>
    <message>
        <source>SetRevisionIntroductionWizardPageTitle</source>
        <translation>Set Document Revision</translation>
    </message>
    <message>
        <source>SetRevisionIntroductionWizardPageSubTitle</source>
        <translation>This wizard will allow you to select the document revision to be associated with the document key.</translation>
    </message>
    <message>
        <source>SetRevisionIntroductionWizardPageText</source>
        <translation>This wizard will allow you to select which revision of the document (%1) you want to associate with the document key created for the user (%2). &lt;em&gt;This determines which revision of the document the user is allowed to view.&lt;/em&gt; You can select either the &lt;em&gt;current&lt;/em&gt; revision of the document or a &lt;em&gt;previous&lt;/em&gt; revision of the document.</translation>
    </message>
</context>
<context>
    <name>SetRevisionConfirmationWizardPage</name>
    <message>
        <source>SetRevisionConfirmationWizardPageTitle</source>
        <translation>Set Revision</translation>
    </message>
    <message>
        <source>SetRevisionConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>CurrentRevision</source>
        <translation>You have selected the current (i.e. latest) revision of the document.</translation>
    </message>
    <message>
        <source>PreviousRevision</source>
        <translation>You have selected a previous (%1) revision of the document.</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationWizard</name>
    <message>
        <source>SetSessionDurationWizardTitle</source>
        <translation>Set Session Duration Wizard</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationIntroductionWizardPage</name>
    <message>
        <source>SetSessionDurationIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetSessionDurationIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the session duration of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set the session duration of the key that grants %1 access to &apos;%2&apos; and its contents.</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationConfirmationWizardPage</name>
    <message>
        <source>SetSessionDurationConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetSessionDurationConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>RestrictedDuration</source>
        <translation>The session duration of the key that grants %2 access to &apos;%1&apos; and its contents will be set to %3 %4.</translation>
    </message>
    <message>
        <source>NoRestrictedDuration</source>
        <translation>The session duration of the key that grants %2 access to &apos;%1&apos; and its contents will not be set.</translation>
    </message>
</context>
</TS>
