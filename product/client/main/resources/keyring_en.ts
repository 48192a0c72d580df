<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>KeyringView</name>
    <message>
        <source>KeysNotSaved</source>
        <translation>These keys could not be saved; their changes are kept:</translation>
    </message>
    <message>
        <source>KeysNotCreated</source>
        <translation>No key could be created for these users:</translation>
    </message>
    <message>
        <source>KeyNotDeleted</source>
        <translation>This key could not be deleted:</translation>
    </message>
</context>
<context>
    <name>DocumentKeyringView</name>
    <message>
        <source>New</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>NewStatusTip</source>
        <translation>Create a new key for a user.</translation>
    </message>
    <message>
        <source>NewToolTip</source>
        <translation>New Key&lt;p&gt;&lt;small&gt;Create a new key for a user.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SetRevision</source>
        <translation>Set Revision...</translation>
    </message>
    <message>
        <source>SetRevisionStatusTip</source>
        <translation>Set Revision.</translation>
    </message>
    <message>
        <source>SetRevisionToolTip</source>
        <translation>Set Revision&lt;p&gt;&lt;small&gt;Set the document revision associated with the document key (leave blank to associate the document key with the current revision of the document).&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteDocumentKeyConfirmationWindowTitle</source>
        <translation>Delete Document Key Confirmation</translation>
    </message>
    <message>
        <source>DeleteDocumentKeyConfirmation</source>
        <translation>Delete document key for %1?</translation>
    </message>
</context>
<context>
    <name>FolderKeyringView</name>
    <message>
        <source>New</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>NewStatusTip</source>
        <translation>Create a new key for a user.</translation>
    </message>
    <message>
        <source>NewToolTip</source>
        <translation>New Key&lt;p&gt;&lt;small&gt;Create a new key for a user.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DeleteFolderKeyConfirmationWindowTitle</source>
        <translation>Delete Folder Key Confirmation</translation>
    </message>
    <message>
        <source>DeleteFolderKeyConfirmation</source>
        <translation>Delete folder key for %1?</translation>
    </message>
</context>
<context>
    <name>DocumentKeysView</name>
    <message>
        <source>DocumentKeysViewTitle</source>
        <translation>My Document Keyring</translation>
    </message>
    <message>
        <source>OpenDocument</source>
        <translation>Open Document...</translation>
    </message>
    <message>
        <source>OpenDocumentStatusTip</source>
        <translation>Open the document associated with the document key.</translation>
    </message>
    <message>
        <source>OpenDocumentToolTip</source>
        <translation>Open Document&lt;p&gt;&lt;small&gt;Open the document associated with the document key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RefreshStatusTip</source>
        <translation>Refresh the document keys.</translation>
    </message>
    <message>
        <source>RefreshToolTip</source>
        <translation>Refresh&lt;p&gt;&lt;small&gt;Refresh the document keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewMonthsStatusTip</source>
        <translation>View the months of the year during which the document keys are active.</translation>
    </message>
    <message>
        <source>ViewMonthsToolTip</source>
        <translation>View Months&lt;p&gt;&lt;small&gt;View the months of the year during which the document keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewDaysStatusTip</source>
        <translation>View the days of the week on which the document keys are active.</translation>
    </message>
    <message>
        <source>ViewDaysToolTip</source>
        <translation>View Days&lt;p&gt;&lt;small&gt;View the days of the week on which the document keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the document keys.</translation>
    </message>
    <message>
        <source>ViewPermissionsToolTip</source>
        <translation>View Permissions&lt;p&gt;&lt;small&gt;View the permissions of the document keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>DocumentKeysNotRead</source>
        <translation>The document keys could not be read from the server.</translation>
    </message>
</context>
<context>
    <name>FolderKeysView</name>
    <message>
        <source>FolderKeysViewTitle</source>
        <translation>My Folder Keyring</translation>
    </message>
    <message>
        <source>OpenFolder</source>
        <translation>Open Folder...</translation>
    </message>
    <message>
        <source>ViewMonths</source>
        <translation>View Months</translation>
    </message>
    <message>
        <source>ViewDays</source>
        <translation>View Days</translation>
    </message>
    <message>
        <source>ViewPermissions</source>
        <translation>View Permissions</translation>
    </message>
    <message>
        <source>OpenFolderStatusTip</source>
        <translation>Open the folder associated with the folder key.</translation>
    </message>
    <message>
        <source>OpenFolderToolTip</source>
        <translation>Open Folder&lt;p&gt;&lt;small&gt;Open the folder associated with the folder key.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RefreshStatusTip</source>
        <translation>Refresh the folder keys.</translation>
    </message>
    <message>
        <source>RefreshToolTip</source>
        <translation>Refresh&lt;p&gt;&lt;small&gt;Refresh the folder keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewMonthsStatusTip</source>
        <translation>View the months of the year during which the folder keys are active.</translation>
    </message>
    <message>
        <source>ViewMonthsToolTip</source>
        <translation>View Months&lt;p&gt;&lt;small&gt;View the months of the year during which the folder keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewDaysStatusTip</source>
        <translation>View the days of the week on which the folder keys are active.</translation>
    </message>
    <message>
        <source>ViewDaysToolTip</source>
        <translation>View Days&lt;p&gt;&lt;small&gt;View the days of the week on which the folder keys are active.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>ViewPermissionsStatusTip</source>
        <translation>View the permissions of the folder keys.</translation>
    </message>
    <message>
        <source>ViewPermissionsToolTip</source>
        <translation>View Permissions&lt;p&gt;&lt;small&gt;View the permissions of the folder keys.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FolderKeysNotRead</source>
        <translation>The folder keys could not be read from the server.</translation>
    </message>
</context>
<context>
    <name>SelectFolderKeyUserWizardPage</name>
    <message>
        <source>SelectFolderKeyUserWizardPageTitle</source>
        <translation>Select User</translation>
    </message>
    <message>
        <source>SelectFolderKeyUserWizardPageSubTitle</source>
        <translation>Please select the users for whom a copy of the folder key is to be created.</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyWizard</name>
    <message>
        <source>CreateFolderKeyWizardTitle</source>
        <translation>Create Folder Key Wizard</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyIntroductionWizardPage</name>
    <message>
        <source>CreateFolderKeyIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>CreateFolderKeyIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the creation of a folder key.</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyConfirmationWizardPage</name>
    <message>
        <source>CreateFolderKeyConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>CreateFolderKeyConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>TranslationA</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The folder key does not have any permissions associated with it.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationB</source>
        <translation>The folder key will have the following permissions associated with it:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>TranslationC</source>
        <translation>&lt;li&gt;Allow the contents of the folder to be viewed&lt;/li&gt;</translation>
    </message>
    <message>
        <source>TranslationD</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The folder key will not have an active status.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationE</source>
        <translation>The folder key will have an active status.&lt;br /&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationF</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The folder key will not be active during any months.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationG</source>
        <translation>The folder key will be active during the following months:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationH</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The folder key will not be active on any days.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationI</source>
        <translation>The folder key will be active on the following days:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationJ</source>
        <translation>The folder key will not be restricted to a time interval during the day.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationK</source>
        <translation>The folder key will be active during the time interval from %1 to %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The folder key will not have a session duration associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationO</source>
        <translation>The folder key will have a session duration of %1 %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationP</source>
        <translation>The folder key will not have an expiration date associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationQ</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;The folder key&apos;s expiration date will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationR</source>
        <translation>The folder key&apos;s expiration date will be %1, tommorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationS</source>
        <translation>The folder key&apos;s expiration date will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationT</source>
        <translation>The folder key will not have a passcode.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationU</source>
        <translation>The folder key has a passcode that has been entered and validated.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationV</source>
        <translation>&lt;FONT COLOR=&quot;RED&quot;&gt;No users have been selected.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationW</source>
        <translation>A folder key with these selections will be created for each of the following users:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationX</source>
        <translation>&lt;li&gt;Allow the contents of the folder to be searched&lt;/li&gt;</translation>
    </message>
</context>
</TS>
